<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Alerts</name>
    <message>
        <source>Configuration file loaded successfully! 
Change the configuration than pres the Save button</source>
        <translation>Arquivo de configuração carregado com sucesso! 
Altere a configuração e depois pressione o botão Salvar</translation>
    </message>
    <message>
        <source>Error when trying to detect the type of file!</source>
        <translation>Erro ao tentar detectar o tipo de arquivo!</translation>
    </message>
    <message>
        <source>Unknown file format!</source>
        <translation>Formato de arquivo desconhecido!</translation>
    </message>
    <message>
        <source>File path too long!</source>
        <translation>Caminho do arquivo muito longo!</translation>
    </message>
    <message>
        <source>Configuration file saved successfully! 
Safely remove your camera and load the new configuration</source>
        <translation>Arquivo de configuração salvo com sucesso! 
Remova a câmera com segurança e carregue a nova configuração</translation>
    </message>
    <message>
        <source>Configuration file NOT saved! 
Problem during file writing!</source>
        <translation>Arquivo de configuração NÃO salvo! 
Problema durante a gravação do arquivo!</translation>
    </message>
</context>
<context>
    <name>CameraChoiceDialog</name>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>, not supported</source>
        <translation>, sem suporte</translation>
    </message>
    <message>
        <source> (open now)</source>
        <translation> (aberta agora)</translation>
    </message>
    <message>
        <source>Apply to Connected Cameras</source>
        <translation>Aplicar às câmeras conectadas</translation>
    </message>
    <message>
        <source>The settings shown in the window are saved into each camera you tick. Each camera keeps its own identification, and each file is read back and checked after its save.</source>
        <translation>As configurações mostradas na janela são salvas em cada câmera que você marcar. Cada câmera mantém sua própria identificação, e cada arquivo é lido de volta e verificado depois de salvo.</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Aplicar</translation>
    </message>
</context>
<context>
    <name>CameraCopyRun</name>
    <message>
        <source>saved and checked</source>
        <translation>salva e verificada</translation>
    </message>
    <message>
        <source>not checked: the file read back holds other settings</source>
        <translation>não verificada: o arquivo lido de volta contém outras configurações</translation>
    </message>
    <message>
        <source>not saved: %1</source>
        <translation>não salva: %1</translation>
    </message>
    <message>
        <source>not saved: another program is using its file</source>
        <translation>não salva: outro programa está usando o arquivo dela</translation>
    </message>
    <message>
        <source>not saved: its file cannot be read (%1)</source>
        <translation>não salva: não é possível ler o arquivo dela (%1)</translation>
    </message>
    <message>
        <source>refused: %1</source>
        <translation>recusada: %1</translation>
    </message>
    <message>
        <source>not tried</source>
        <translation>sem tentativa</translation>
    </message>
    <message>
        <source>not saved: the card is not answering; what it holds now is unknown</source>
        <translation>não salva: o cartão não está respondendo; não se sabe o que ele contém agora</translation>
    </message>
</context>
<context>
    <name>CameraMonitor</name>
    <message>
        <source>Cannot mount %1: mounting a card needs the desktop&apos;s storage service (UDisks2), which is not running</source>
        <translation>Não é possível montar %1: montar um cartão requer o serviço de armazenamento do ambiente de trabalho (UDisks2), que não está em execução</translation>
    </message>
    <message>
        <source>Cannot eject %1: ejecting a card needs the desktop&apos;s storage service (UDisks2), which is not running</source>
        <translation>Não é possível ejetar %1: ejetar um cartão requer o serviço de armazenamento do ambiente de trabalho (UDisks2), que não está em execução</translation>
    </message>
    <message>
        <source>it is still in use; close what uses it and try again</source>
        <translation>ele ainda está em uso; feche o que o está usando e tente novamente</translation>
    </message>
    <message>
        <source>the desktop&apos;s policy does not allow it</source>
        <translation>a política do ambiente de trabalho não permite isso</translation>
    </message>
    <message>
        <source>it is not mounted</source>
        <translation>ele não está montado</translation>
    </message>
    <message>
        <source>the storage service did not answer</source>
        <translation>o serviço de armazenamento não respondeu</translation>
    </message>
    <message>
        <source>Could not mount %1: %2</source>
        <translation>Não foi possível montar %1: %2</translation>
    </message>
    <message>
        <source>%1 is mounted at %2, but %3</source>
        <translation>%1 está montado em %2, mas %3</translation>
    </message>
    <message>
        <source>holds no camera configuration file</source>
        <translation>não contém nenhum arquivo de configuração de câmera</translation>
    </message>
    <message>
        <source>is not answering</source>
        <translation>não está respondendo</translation>
    </message>
    <message>
        <source>Could not eject %1: %2</source>
        <translation>Não foi possível ejetar %1: %2</translation>
    </message>
    <message>
        <source>%1 is unmounted and may be removed, but its drive could not be powered off: %2</source>
        <translation>%1 foi desmontado e pode ser removido, mas não foi possível desligar a unidade dele: %2</translation>
    </message>
</context>
<context>
    <name>ConfigDocument</name>
    <message>
        <source>%1 (removed)</source>
        <translation>%1 (removido)</translation>
    </message>
</context>
<context>
    <name>CopyResultsDialog</name>
    <message>
        <source>Saved and checked on 1 camera</source>
        <translation>Salvo e verificado em 1 câmera</translation>
    </message>
    <message>
        <source>Not saved on 1 camera</source>
        <translation>Não salvo em 1 câmera</translation>
    </message>
    <message>
        <source>Saved and checked on %1 of %2 cameras</source>
        <translation>Salvo e verificado em %1 de %2 câmeras</translation>
    </message>
    <message>
        <source>Apply to Connected Cameras</source>
        <translation>Aplicar às câmeras conectadas</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>&amp;Eject All</source>
        <translation>&amp;Ejetar todas</translation>
    </message>
    <message>
        <source>Unmount and power off the cameras saved, so that they can be removed</source>
        <translation>Desmontar e desligar as câmeras salvas, para que possam ser removidas</translation>
    </message>
</context>
<context>
    <name>HelpWindows</name>
    <message>
        <source>Kavelo Manager Help</source>
        <translation>Ajuda do Kavelo Manager</translation>
    </message>
    <message>
        <source>About Kavelo Manager</source>
        <translation>Sobre o Kavelo Manager</translation>
    </message>
    <message>
        <source>Edits the configuration file of a Kavelo video camera: open the CONFIG.TXT on its memory card, change its settings, save it back.</source>
        <translation>Edita o arquivo de configuração de uma câmera de vídeo Kavelo: abra o CONFIG.TXT no cartão de memória dela, altere as configurações e salve-o de volta.</translation>
    </message>
</context>
<context>
    <name>LoadMessages</name>
    <message>
        <source>Camera revision not supported! 
Actually supported only revision v00%1</source>
        <translation>Revisão da câmera não suportada! 
No momento, só é suportada a revisão v00%1</translation>
    </message>
    <message>
        <source>Camera firmware too old! 
Supported from version %1 to %2</source>
        <translation>Firmware da câmera muito antigo! 
Versões suportadas: de %1 a %2</translation>
    </message>
    <message>
        <source>Unknown file format!</source>
        <translation>Formato de arquivo desconhecido!</translation>
    </message>
    <message>
        <source>Firmware v%1 not supported!
Kavelo Manager needs to be updated! 
Supported from version %2 to %3</source>
        <translation>Firmware v%1 não suportado!
O Kavelo Manager precisa ser atualizado! 
Versões suportadas: de %2 a %3</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>larger than %1 bytes, so no camera configuration file</source>
        <translation>maior que %1 bytes, portanto não é um arquivo de configuração de câmera</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Kavelo Manager</source>
        <translation>Kavelo Manager</translation>
    </message>
    <message>
        <source>Drag the CONFIG.TXT file from the camera onto this area to load it</source>
        <translation>Arraste o arquivo CONFIG.TXT da câmera para esta área para carregá-lo</translation>
    </message>
    <message>
        <source>Drop the camera&apos;s
CONFIG.TXT here</source>
        <translation>Solte aqui o CONFIG.TXT
da câmera</translation>
    </message>
    <message>
        <source>Configuration file</source>
        <translation>Arquivo de configuração</translation>
    </message>
    <message>
        <source>Connect the camera or open its CONFIG.TXT</source>
        <translation>Conecte a câmera ou abra o CONFIG.TXT dela</translation>
    </message>
    <message>
        <source>Load…</source>
        <translation>Carregar…</translation>
    </message>
    <message>
        <source>Open the camera&apos;s CONFIG.TXT</source>
        <translation>Abrir o CONFIG.TXT da câmera</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Write the settings back into the loaded file</source>
        <translation>Gravar as configurações de volta no arquivo carregado</translation>
    </message>
    <message>
        <source>Set defaults</source>
        <translation>Restaurar padrões</translation>
    </message>
    <message>
        <source>Put every setting back to its default; the file changes when you save</source>
        <translation>Volta todas as configurações ao padrão; o arquivo só muda quando você salvar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Video modes</source>
        <translation>Modos de vídeo</translation>
    </message>
    <message>
        <source>Video mode 1</source>
        <translation>Modo de vídeo 1</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desligado</translation>
    </message>
    <message>
        <source>Video mode 2</source>
        <translation>Modo de vídeo 2</translation>
    </message>
    <message>
        <source>60 and 50 fps record only at 1280x720 wide and 848x480: choosing one of them at another resolution switches to 1280x720 wide, and choosing 1920x1080 or 1280x720 narrow at 60 or 50 fps switches to 30 fps. While loop recording is on, clips are 3 or 5 minutes long.</source>
        <translation>60 e 50 fps só gravam em 1280x720 amplo e 848x480: escolher um deles em outra resolução muda para 1280x720 amplo, e escolher 1920x1080 ou 1280x720 estreito a 60 ou 50 fps muda para 30 fps. Com a gravação em loop ativada, os clipes duram 3 ou 5 minutos.</translation>
    </message>
    <message>
        <source>Photo, picture and clock</source>
        <translation>Foto, imagem e relógio</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Date and clock</source>
        <translation>Data e relógio</translation>
    </message>
    <message>
        <source>The computer&apos;s time is written into the file when you save, and the camera takes it on when it loads the file.</source>
        <translation>A hora do computador é gravada no arquivo quando você salva, e a câmera passa a usá-la quando carrega o arquivo.</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagem</translation>
    </message>
    <message>
        <source>Custom gains:</source>
        <translation>Ganhos personalizados:</translation>
    </message>
    <message>
        <source>The gains of the chosen custom white balance</source>
        <translation>Os ganhos do balanço de branco personalizado escolhido</translation>
    </message>
    <message>
        <source>The gains belong to the custom white balance chosen above and can be edited only while one of Custom 1 to 3 is chosen: 100 to 999, press Return to apply.</source>
        <translation>Os ganhos pertencem ao balanço de branco personalizado escolhido acima e só podem ser editados enquanto um dos modos Personalizado 1 a 3 estiver escolhido: de 100 a 999; pressione Enter para aplicar.</translation>
    </message>
    <message>
        <source>Camera and power</source>
        <translation>Câmera e energia</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Energia</translation>
    </message>
    <message>
        <source>Start recording:</source>
        <translation>Iniciar gravação:</translation>
    </message>
    <message>
        <source>Starts recording as soon as the camera gets power</source>
        <translation>Começa a gravar assim que a câmera recebe energia</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nunca</translation>
    </message>
    <message>
        <source>When external power is connected</source>
        <translation>Quando a energia externa é conectada</translation>
    </message>
    <message>
        <source>When the power button is pressed</source>
        <translation>Quando o botão liga/desliga é pressionado</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Nos dois casos</translation>
    </message>
    <message>
        <source>Motion detection</source>
        <translation>Detecção de movimento</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Câmera</translation>
    </message>
    <message>
        <source>TV, web camera and card</source>
        <translation>TV, webcam e cartão</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Abrir…</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Save a &amp;Copy…</source>
        <translation>Salvar uma &amp;cópia…</translation>
    </message>
    <message>
        <source>&amp;Apply Settings From…</source>
        <translation>Aplicar configurações &amp;de…</translation>
    </message>
    <message>
        <source>Apply &amp;to Connected Cameras…</source>
        <translation>Aplicar às câmeras co&amp;nectadas…</translation>
    </message>
    <message>
        <source>&amp;Revert</source>
        <translation>&amp;Reverter</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>Kavelo Manager &amp;Help</source>
        <translation>&amp;Ajuda do Kavelo Manager</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;About Kavelo Manager</source>
        <translation>&amp;Sobre o Kavelo Manager</translation>
    </message>
    <message>
        <source>&amp;Eject camera</source>
        <translation>&amp;Ejetar câmera</translation>
    </message>
    <message>
        <source>Quit; asks first when there are unsaved changes</source>
        <translation>Sair; pergunta antes se houver alterações não salvas</translation>
    </message>
</context>
<context>
    <name>MyAppDelegate</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>Saved a copy as %1</source>
        <translation>Cópia salva como %1</translation>
    </message>
    <message>
        <source>Revert to %1 as the card holds it?</source>
        <translation>Reverter para %1 como está no cartão?</translation>
    </message>
    <message>
        <source>Your changes since it was opened or saved are lost.</source>
        <translation>Suas alterações desde que ele foi aberto ou salvo serão perdidas.</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Reverter</translation>
    </message>
    <message>
        <source>Apply Settings From</source>
        <translation>Aplicar configurações de</translation>
    </message>
    <message>
        <source>Took the settings of %1: %2 changed</source>
        <translation>Configurações de %1 aplicadas: %2 com alteração</translation>
    </message>
    <message>
        <source>1 setting</source>
        <translation>1 configuração</translation>
    </message>
    <message>
        <source>%1 settings</source>
        <translation>%1 configurações</translation>
    </message>
    <message>
        <source>Ejecting a card needs the desktop&apos;s storage service (UDisks2), which is not running</source>
        <translation>Ejetar um cartão requer o serviço de armazenamento do ambiente de trabalho (UDisks2), que não está em execução</translation>
    </message>
    <message>
        <source>Eject</source>
        <translation>Ejetar</translation>
    </message>
    <message>
        <source>Unmount the card and power it off, so that it can be removed</source>
        <translation>Desmontar o cartão e desligá-lo, para que possa ser removido</translation>
    </message>
    <message>
        <source>%1 can be removed now</source>
        <translation>%1 já pode ser removido</translation>
    </message>
    <message>
        <source>Camera %1 connected</source>
        <translation>Câmera %1 conectada</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Card %1 is not mounted</source>
        <translation>O cartão %1 não está montado</translation>
    </message>
    <message>
        <source>Mount and open</source>
        <translation>Montar e abrir</translation>
    </message>
    <message>
        <source>Card %1 is not answering</source>
        <translation>O cartão %1 não está respondendo</translation>
    </message>
    <message>
        <source>Keep my settings</source>
        <translation>Manter minhas configurações</translation>
    </message>
    <message>
        <source>No camera to eject: open its file first, or plug in only one</source>
        <translation>Nenhuma câmera para ejetar: abra o arquivo dela primeiro ou conecte apenas uma</translation>
    </message>
    <message>
        <source>Ejecting %1…</source>
        <translation>Ejetando %1…</translation>
    </message>
    <message>
        <source>Applying the settings…</source>
        <translation>Aplicando as configurações…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Apply to Connected Cameras</source>
        <translation>Aplicar às câmeras conectadas</translation>
    </message>
    <message>
        <source>Saving %1…</source>
        <translation>Salvando %1…</translation>
    </message>
    <message>
        <source>not saved: </source>
        <translation>não salva: </translation>
    </message>
    <message>
        <source>saved and checked</source>
        <translation>salva e verificada</translation>
    </message>
    <message>
        <source>not checked: the file read back holds other settings</source>
        <translation>não verificada: o arquivo lido de volta contém outras configurações</translation>
    </message>
    <message>
        <source>another program changed its file since it was opened; Save asks what to do</source>
        <translation>outro programa alterou o arquivo dela desde que ele foi aberto; Salvar pergunta o que fazer</translation>
    </message>
    <message>
        <source>its file was deleted since it was opened; Save asks what to do</source>
        <translation>o arquivo dela foi excluído desde que foi aberto; Salvar pergunta o que fazer</translation>
    </message>
    <message>
        <source>another camera&apos;s file is there now</source>
        <translation>agora o arquivo ali é de outra câmera</translation>
    </message>
    <message>
        <source>another program is using its file</source>
        <translation>outro programa está usando o arquivo dela</translation>
    </message>
    <message>
        <source>the card is not answering; what it holds now is unknown</source>
        <translation>o cartão não está respondendo; não se sabe o que ele contém agora</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>Deseja salvar as alterações em %1?</translation>
    </message>
    <message>
        <source>The settings in the window differ from the file. Your changes are lost if you don&apos;t save them.</source>
        <translation>As configurações na janela diferem do arquivo. Suas alterações serão perdidas se você não salvá-las.</translation>
    </message>
    <message>
        <source>Firmware info: </source>
        <translation>Informações do firmware: </translation>
    </message>
    <message>
        <source>Revision info: </source>
        <translation>Informações da revisão: </translation>
    </message>
    <message>
        <source>	 Camera time:</source>
        <translation>	 Hora da câmera:</translation>
    </message>
    <message>
        <source>. </source>
        <translation>. </translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recarregar</translation>
    </message>
    <message>
        <source>Open That Camera&apos;s File</source>
        <translation>Abrir o arquivo dessa câmera</translation>
    </message>
    <message>
        <source>%1 was deleted since it was opened.</source>
        <translation>%1 foi excluído desde que foi aberto.</translation>
    </message>
    <message>
        <source>Save makes it again with the settings in this window.</source>
        <translation>Salvar vai recriá-lo com as configurações desta janela.</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened.</source>
        <translation>%1 foi alterado por outro programa desde que foi aberto.</translation>
    </message>
    <message>
        <source>Overwrite replaces that change with the settings in this window. Reload shows what the file holds now; your changes are lost.</source>
        <translation>Sobrescrever substitui essa alteração pelas configurações desta janela. Recarregar mostra o que o arquivo contém agora; suas alterações serão perdidas.</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Sobrescrever</translation>
    </message>
    <message>
        <source>There is no room on the card for the safety copy that a save writes first.</source>
        <translation>Não há espaço no cartão para a cópia de segurança que o salvamento grava primeiro.</translation>
    </message>
    <message>
        <source>The new settings fit in the space %1 already takes, so they can be written over it directly. If the card is pulled out or the camera loses power in those milliseconds, %1 may be left damaged.</source>
        <translation>As novas configurações cabem no espaço que %1 já ocupa, então podem ser gravadas diretamente sobre ele. Se o cartão for retirado ou a câmera perder energia nesses milissegundos, %1 pode ficar danificado.</translation>
    </message>
    <message>
        <source>Write in Place</source>
        <translation>Gravar no lugar</translation>
    </message>
</context>
<context>
    <name>NoticeBar</name>
    <message>
        <source>Notice</source>
        <translation>Aviso</translation>
    </message>
</context>
<context>
    <name>OpenPanel</name>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Arquivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>Text files (*.[tT][xX][tT])</source>
        <translation>Arquivos de texto (*.[tT][xX][tT])</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Open camera configuration</source>
        <translation>Abrir configuração da câmera</translation>
    </message>
    <message>
        <source>Save a copy of the settings</source>
        <translation>Salvar uma cópia das configurações</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Video mode 1</source>
        <translation>Modo de vídeo 1</translation>
    </message>
    <message>
        <source>Video mode 2</source>
        <translation>Modo de vídeo 2</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>Amplo</translation>
    </message>
    <message>
        <source>Narrow</source>
        <translation>Estreito</translation>
    </message>
    <message>
        <source>60 fps</source>
        <translation>60 fps</translation>
    </message>
    <message>
        <source>50 fps</source>
        <translation>50 fps</translation>
    </message>
    <message>
        <source>30 fps</source>
        <translation>30 fps</translation>
    </message>
    <message>
        <source>25 fps</source>
        <translation>25 fps</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desligado</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ligado</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Rotated 180°</source>
        <translation>Girado 180°</translation>
    </message>
    <message>
        <source>Year/Month/Day</source>
        <translation>Ano/Mês/Dia</translation>
    </message>
    <message>
        <source>Day/Month/Year</source>
        <translation>Dia/Mês/Ano</translation>
    </message>
    <message>
        <source>Month/Day/Year</source>
        <translation>Mês/Dia/Ano</translation>
    </message>
    <message>
        <source>Keep the camera&apos;s clock</source>
        <translation>Manter o relógio da câmera</translation>
    </message>
    <message>
        <source>Set the clock from this computer</source>
        <translation>Acertar o relógio por este computador</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>1920x1080 narrow</source>
        <translation>1920x1080 estreito</translation>
    </message>
    <message>
        <source>1920x1080 wide</source>
        <translation>1920x1080 amplo</translation>
    </message>
    <message>
        <source>1280x720 narrow</source>
        <translation>1280x720 estreito</translation>
    </message>
    <message>
        <source>1280x720 wide</source>
        <translation>1280x720 amplo</translation>
    </message>
    <message>
        <source>848x480 narrow</source>
        <translation>848x480 estreito</translation>
    </message>
    <message>
        <source>848x480 wide</source>
        <translation>848x480 amplo</translation>
    </message>
    <message>
        <source>0.25s</source>
        <translation>0,25 s</translation>
    </message>
    <message>
        <source>0.5s</source>
        <translation>0,5 s</translation>
    </message>
    <message>
        <source>1s</source>
        <translation>1 s</translation>
    </message>
    <message>
        <source>2s</source>
        <translation>2 s</translation>
    </message>
    <message>
        <source>5s</source>
        <translation>5 s</translation>
    </message>
    <message>
        <source>10s</source>
        <translation>10 s</translation>
    </message>
    <message>
        <source>30s</source>
        <translation>30 s</translation>
    </message>
    <message>
        <source>60s</source>
        <translation>60 s</translation>
    </message>
    <message>
        <source>3 min</source>
        <translation>3 min</translation>
    </message>
    <message>
        <source>5 min</source>
        <translation>5 min</translation>
    </message>
    <message>
        <source>10 min</source>
        <translation>10 min</translation>
    </message>
    <message>
        <source>15 min</source>
        <translation>15 min</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Máx.</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Baixa</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Média</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>2304x1296 (3 MP)</source>
        <translation>2304x1296 (3 MP)</translation>
    </message>
    <message>
        <source>1920x1080 (2 MP)</source>
        <translation>1920x1080 (2 MP)</translation>
    </message>
    <message>
        <source>1280x720 (1 MP)</source>
        <translation>1280x720 (1 MP)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>1 s</source>
        <translation>1 s</translation>
    </message>
    <message>
        <source>3 s</source>
        <translation>3 s</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nunca</translation>
    </message>
    <message>
        <source>1 min</source>
        <translation>1 min</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>Wide angle</source>
        <translation>Grande angular</translation>
    </message>
    <message>
        <source>Fisheye</source>
        <translation>Olho de peixe</translation>
    </message>
    <message>
        <source>Mass storage</source>
        <translation>Armazenamento em massa</translation>
    </message>
    <message>
        <source>Web camera</source>
        <translation>Webcam</translation>
    </message>
    <message>
        <source>5 s</source>
        <translation>5 s</translation>
    </message>
    <message>
        <source>10 s</source>
        <translation>10 s</translation>
    </message>
    <message>
        <source>30 s</source>
        <translation>30 s</translation>
    </message>
    <message>
        <source>60 s</source>
        <translation>60 s</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Daylight</source>
        <translation>Luz do dia</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>Nublado</translation>
    </message>
    <message>
        <source>Tungsten</source>
        <translation>Tungstênio</translation>
    </message>
    <message>
        <source>Fluorescent</source>
        <translation>Fluorescente</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Personalizado 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Personalizado 2</translation>
    </message>
    <message>
        <source>Custom 3</source>
        <translation>Personalizado 3</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>Preto e branco</translation>
    </message>
    <message>
        <source>Sepia</source>
        <translation>Sépia</translation>
    </message>
    <message>
        <source>No control changes it; it is kept as the file has it</source>
        <translation>Nenhum controle o altera; ele é mantido como está no arquivo</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolução</translation>
    </message>
    <message>
        <source>The picture size of the video and, in its lowest bit, the field of view</source>
        <translation>O tamanho da imagem do vídeo e, no bit mais baixo, o campo de visão</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>Taxa de quadros</translation>
    </message>
    <message>
        <source>Pictures per second; 60 and 50 fps record at 1280x720 wide and 848x480 only</source>
        <translation>Quadros por segundo; 60 e 50 fps só gravam em 1280x720 amplo e 848x480</translation>
    </message>
    <message>
        <source>Time lapse</source>
        <translation>Time-lapse</translation>
    </message>
    <message>
        <source>Records one frame per interval; Off records normally</source>
        <translation>Grava um quadro por intervalo; Desligado grava normalmente</translation>
    </message>
    <message>
        <source>Time lapse custom value</source>
        <translation>Valor personalizado do time-lapse</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>Records sound with the video</source>
        <translation>Grava som com o vídeo</translation>
    </message>
    <message>
        <source>Clip length</source>
        <translation>Duração do clipe</translation>
    </message>
    <message>
        <source>The length of each video file; loop recording allows 3 or 5 minutes</source>
        <translation>A duração de cada arquivo de vídeo; a gravação em loop permite 3 ou 5 minutos</translation>
    </message>
    <message>
        <source>Loop recording</source>
        <translation>Gravação em loop</translation>
    </message>
    <message>
        <source>When the card is full, the oldest clip is overwritten</source>
        <translation>Quando o cartão fica cheio, o clipe mais antigo é substituído</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientação</translation>
    </message>
    <message>
        <source>Rotated 180° for a camera mounted upside down</source>
        <translation>Girado 180° para uma câmera montada de cabeça para baixo</translation>
    </message>
    <message>
        <source>Time stamp</source>
        <translation>Carimbo de data/hora</translation>
    </message>
    <message>
        <source>Prints the date and time into the picture</source>
        <translation>Imprime a data e a hora na imagem</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualidade</translation>
    </message>
    <message>
        <source>Higher quality records more data per second</source>
        <translation>Qualidade mais alta grava mais dados por segundo</translation>
    </message>
    <message>
        <source>High dynamic range</source>
        <translation>Alta faixa dinâmica</translation>
    </message>
    <message>
        <source>Evens out bright and dark parts of the picture</source>
        <translation>Equilibra as partes claras e escuras da imagem</translation>
    </message>
    <message>
        <source>File format</source>
        <translation>Formato de arquivo</translation>
    </message>
    <message>
        <source>The kind of file the video is recorded into</source>
        <translation>O tipo de arquivo em que o vídeo é gravado</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Formato da data</translation>
    </message>
    <message>
        <source>The order of year, month and day in the date line</source>
        <translation>A ordem de ano, mês e dia na linha da data</translation>
    </message>
    <message>
        <source>Camera clock</source>
        <translation>Relógio da câmera</translation>
    </message>
    <message>
        <source>Whether a save sets the camera&apos;s clock to this computer&apos;s time</source>
        <translation>Se o salvamento acerta o relógio da câmera pela hora deste computador</translation>
    </message>
    <message>
        <source>Start mode</source>
        <translation>Modo inicial</translation>
    </message>
    <message>
        <source>The mode the camera is in after switching on</source>
        <translation>O modo em que a câmera fica ao ser ligada</translation>
    </message>
    <message>
        <source>Photo size</source>
        <translation>Tamanho da foto</translation>
    </message>
    <message>
        <source>The size of each photo</source>
        <translation>O tamanho de cada foto</translation>
    </message>
    <message>
        <source>Takes one photo per interval; Off takes single photos</source>
        <translation>Tira uma foto por intervalo; Desligado tira fotos avulsas</translation>
    </message>
    <message>
        <source>Prints the date and time into the photo</source>
        <translation>Imprime a data e a hora na foto</translation>
    </message>
    <message>
        <source>Power-on delay</source>
        <translation>Atraso ao ligar</translation>
    </message>
    <message>
        <source>How long the camera waits after power comes on</source>
        <translation>Quanto tempo a câmera espera depois de receber energia</translation>
    </message>
    <message>
        <source>Auto off</source>
        <translation>Desligamento automático</translation>
    </message>
    <message>
        <source>Switches off after this time without use</source>
        <translation>Desliga após este tempo sem uso</translation>
    </message>
    <message>
        <source>Record on external power</source>
        <translation>Gravar com energia externa</translation>
    </message>
    <message>
        <source>Starts recording as soon as the camera gets external power</source>
        <translation>Começa a gravar assim que a câmera recebe energia externa</translation>
    </message>
    <message>
        <source>Record at power button</source>
        <translation>Gravar pelo botão liga/desliga</translation>
    </message>
    <message>
        <source>Starts recording when the power button switches the camera on</source>
        <translation>Começa a gravar quando o botão liga/desliga liga a câmera</translation>
    </message>
    <message>
        <source>Off when unplugged</source>
        <translation>Desligar ao desconectar</translation>
    </message>
    <message>
        <source>Switches off when external power is disconnected</source>
        <translation>Desliga quando a energia externa é desconectada</translation>
    </message>
    <message>
        <source>Recording light</source>
        <translation>Luz de gravação</translation>
    </message>
    <message>
        <source>The light that shows the camera is recording</source>
        <translation>A luz que indica que a câmera está gravando</translation>
    </message>
    <message>
        <source>USB charging</source>
        <translation>Carregamento via USB</translation>
    </message>
    <message>
        <source>Charges from a computer&apos;s USB port</source>
        <translation>Carrega pela porta USB de um computador</translation>
    </message>
    <message>
        <source>Lens</source>
        <translation>Lente</translation>
    </message>
    <message>
        <source>The lens fitted to the camera, so that the picture is corrected for it</source>
        <translation>A lente instalada na câmera, para que a imagem seja corrigida de acordo</translation>
    </message>
    <message>
        <source>Light frequency</source>
        <translation>Frequência da luz</translation>
    </message>
    <message>
        <source>The mains frequency, against flicker under artificial light</source>
        <translation>A frequência da rede elétrica, contra a cintilação sob luz artificial</translation>
    </message>
    <message>
        <source>USB mode</source>
        <translation>Modo USB</translation>
    </message>
    <message>
        <source>What the camera is when plugged into a computer</source>
        <translation>Como a câmera funciona quando conectada a um computador</translation>
    </message>
    <message>
        <source>Web camera orientation</source>
        <translation>Orientação da webcam</translation>
    </message>
    <message>
        <source>Rotated 180° for a web camera mounted upside down</source>
        <translation>Girado 180° para uma webcam montada de cabeça para baixo</translation>
    </message>
    <message>
        <source>TV system</source>
        <translation>Sistema de TV</translation>
    </message>
    <message>
        <source>The TV standard of the video output</source>
        <translation>O padrão de TV da saída de vídeo</translation>
    </message>
    <message>
        <source>TV aspect ratio</source>
        <translation>Proporção da TV</translation>
    </message>
    <message>
        <source>The shape of the picture on a TV</source>
        <translation>O formato da imagem em uma TV</translation>
    </message>
    <message>
        <source>Card format</source>
        <translation>Formato do cartão</translation>
    </message>
    <message>
        <source>The file system the camera formats its card with; firmware 2.18 and later</source>
        <translation>O sistema de arquivos com que a câmera formata o cartão; firmware 2.18 ou posterior</translation>
    </message>
    <message>
        <source>Motion detection</source>
        <translation>Detecção de movimento</translation>
    </message>
    <message>
        <source>Records when something moves</source>
        <translation>Grava quando algo se move</translation>
    </message>
    <message>
        <source>Motion timeout</source>
        <translation>Tempo limite de movimento</translation>
    </message>
    <message>
        <source>Stops recording this long after the motion ends</source>
        <translation>Para de gravar este tempo depois que o movimento termina</translation>
    </message>
    <message>
        <source>Motion sensitivity</source>
        <translation>Sensibilidade de movimento</translation>
    </message>
    <message>
        <source>How little movement starts a recording</source>
        <translation>Quão pouco movimento basta para iniciar uma gravação</translation>
    </message>
    <message>
        <source>White balance</source>
        <translation>Balanço de branco</translation>
    </message>
    <message>
        <source>Colour correction for the light; Custom 1 to 3 use their own gains</source>
        <translation>Correção de cor conforme a luz; Personalizado 1 a 3 usam ganhos próprios</translation>
    </message>
    <message>
        <source>Colour effect</source>
        <translation>Efeito de cor</translation>
    </message>
    <message>
        <source>Pictures in colour, in black and white, or in sepia</source>
        <translation>Imagens em cores, em preto e branco ou em sépia</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Exposição</translation>
    </message>
    <message>
        <source>Brighter to the right, darker to the left</source>
        <translation>Mais clara para a direita, mais escura para a esquerda</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>Stronger contrast to the right</source>
        <translation>Contraste mais forte para a direita</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturação</translation>
    </message>
    <message>
        <source>Stronger colours to the right</source>
        <translation>Cores mais fortes para a direita</translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation>Nitidez</translation>
    </message>
    <message>
        <source>Sharper edges to the right</source>
        <translation>Bordas mais nítidas para a direita</translation>
    </message>
    <message>
        <source>Red gain</source>
        <translation>Ganho de vermelho</translation>
    </message>
    <message>
        <source>Green gain</source>
        <translation>Ganho de verde</translation>
    </message>
    <message>
        <source>Blue gain</source>
        <translation>Ganho de azul</translation>
    </message>
    <message>
        <source>The red gain of this custom white balance, 100 to 999</source>
        <translation>O ganho de vermelho deste balanço de branco personalizado, de 100 a 999</translation>
    </message>
    <message>
        <source>The green gain of this custom white balance, 100 to 999</source>
        <translation>O ganho de verde deste balanço de branco personalizado, de 100 a 999</translation>
    </message>
    <message>
        <source>The blue gain of this custom white balance, 100 to 999</source>
        <translation>O ganho de azul deste balanço de branco personalizado, de 100 a 999</translation>
    </message>
    <message>
        <source>Starts recording when the camera gets external power, when its power button switches it on, or both</source>
        <translation>Começa a gravar quando a câmera recebe energia externa, quando o botão liga/desliga a liga, ou em ambos os casos</translation>
    </message>
    <message>
        <source>Field of view</source>
        <translation>Campo de visão</translation>
    </message>
    <message>
        <source>Wide or narrow picture</source>
        <translation>Imagem ampla ou estreita</translation>
    </message>
</context>
<context>
    <name>SettingsForm</name>
    <message>
        <source>%1 (kavelo-config: %2)</source>
        <translation>%1 (kavelo-config: %2)</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1:</source>
        <comment>a caption before its control</comment>
        <translation>%1:</translation>
    </message>
</context>
<context>
    <name>StatusMessages</name>
    <message>
        <source>no camera identifiers, so no camera&apos;s configuration file</source>
        <translation>sem identificadores de câmera, portanto não é o arquivo de configuração de uma câmera</translation>
    </message>
    <message>
        <source>Loaded %1</source>
        <translation>Carregado: %1</translation>
    </message>
    <message>
        <source>Not loaded: %1: %2</source>
        <translation>Não carregado: %1: %2</translation>
    </message>
    <message>
        <source> Save still writes %1.</source>
        <translation> Salvar ainda grava em %1.</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Salvo: %1</translation>
    </message>
    <message>
        <source>Not saved: %1: %2; the file is as it was</source>
        <translation>Não salvo: %1: %2; o arquivo continua como estava</translation>
    </message>
    <message>
        <source>the card is full</source>
        <translation>o cartão está cheio</translation>
    </message>
    <message>
        <source>the file would be larger than this system allows</source>
        <translation>o arquivo ficaria maior do que este sistema permite</translation>
    </message>
    <message>
        <source>the card is write-protected</source>
        <translation>o cartão está protegido contra gravação</translation>
    </message>
    <message>
        <source>you may not write this file</source>
        <translation>você não tem permissão para gravar este arquivo</translation>
    </message>
    <message>
        <source>the card was removed or cannot be reached</source>
        <translation>o cartão foi removido ou não pode ser acessado</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>não foi possível gravar o arquivo</translation>
    </message>
    <message>
        <source>%1: %2 does not record at %3</source>
        <translation>%1: %2 não grava a %3</translation>
    </message>
    <message>
        <source>%1: %2 lowered to %3 because %4 is on; Save writes it</source>
        <translation>%1: %2 reduzida para %3 porque %4 está ativada; Salvar grava essa mudança</translation>
    </message>
    <message>
        <source>. </source>
        <translation>. </translation>
    </message>
    <message>
        <source>Not saved: %1 is in use by another program; try again in a moment</source>
        <translation>Não salvo: %1 está sendo usado por outro programa; tente novamente daqui a pouco</translation>
    </message>
    <message>
        <source>Not saved: the card holding %1 is not answering; what it holds now is unknown. Take it out and put it in again, then Save</source>
        <translation>Não salvo: o cartão que contém %1 não está respondendo; não se sabe o que ele contém agora. Retire-o e insira-o novamente; depois, salve</translation>
    </message>
    <message>
        <source>Not saved: %1 is now another camera&apos;s file (%2); these settings stay in the window</source>
        <translation>Não salvo: %1 agora é o arquivo de outra câmera (%2); estas configurações permanecem na janela</translation>
    </message>
    <message>
        <source>no camera identifiers</source>
        <translation>sem identificadores de câmera</translation>
    </message>
    <message>
        <source>%1 was changed %2by another program.</source>
        <translation>%1 foi alterado %2por outro programa.</translation>
    </message>
    <message>
        <source>on the card </source>
        <translation>no cartão </translation>
    </message>
    <message>
        <source>%1 was deleted %2by another program.</source>
        <translation>%1 foi excluído %2por outro programa.</translation>
    </message>
    <message>
        <source>from the card </source>
        <translation>do cartão </translation>
    </message>
    <message>
        <source>The card %1 was removed: Save cannot write %2 until it is back</source>
        <translation>O cartão %1 foi removido: Salvar não pode gravar %2 até que ele volte</translation>
    </message>
    <message>
        <source>The card %1 is back: Save writes %2 again</source>
        <translation>O cartão %1 voltou: Salvar grava %2 novamente</translation>
    </message>
    <message>
        <source>clip length</source>
        <translation>duração do clipe</translation>
    </message>
    <message>
        <source>loop recording</source>
        <translation>gravação em loop</translation>
    </message>
</context>
</TS>
