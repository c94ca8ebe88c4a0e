<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Alerts</name>
    <message>
        <source>Configuration file loaded successfully! 
Change the configuration than pres the Save button</source>
        <translation>¡Archivo de configuración cargado correctamente! 
Cambie la configuración y luego pulse el botón Guardar</translation>
    </message>
    <message>
        <source>Error when trying to detect the type of file!</source>
        <translation>¡Error al intentar detectar el tipo de archivo!</translation>
    </message>
    <message>
        <source>Unknown file format!</source>
        <translation>¡Formato de archivo desconocido!</translation>
    </message>
    <message>
        <source>File path too long!</source>
        <translation>¡Ruta de archivo demasiado larga!</translation>
    </message>
    <message>
        <source>Configuration file saved successfully! 
Safely remove your camera and load the new configuration</source>
        <translation>¡Archivo de configuración guardado correctamente! 
Retire la cámara de forma segura y cargue la nueva configuración</translation>
    </message>
    <message>
        <source>Configuration file NOT saved! 
Problem during file writing!</source>
        <translation>¡Archivo de configuración NO guardado! 
¡Problema al escribir el archivo!</translation>
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
        <translation>, no compatible</translation>
    </message>
    <message>
        <source> (open now)</source>
        <translation> (abierta ahora)</translation>
    </message>
    <message>
        <source>Apply to Connected Cameras</source>
        <translation>Aplicar a las cámaras conectadas</translation>
    </message>
    <message>
        <source>The settings shown in the window are saved into each camera you tick. Each camera keeps its own identification, and each file is read back and checked after its save.</source>
        <translation>Los ajustes que muestra la ventana se guardan en cada cámara que marque. Cada cámara conserva su propia identificación, y cada archivo se vuelve a leer y se comprueba después de guardarlo.</translation>
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
        <translation>guardado y comprobado</translation>
    </message>
    <message>
        <source>not checked: the file read back holds other settings</source>
        <translation>no comprobado: el archivo releído contiene otros ajustes</translation>
    </message>
    <message>
        <source>not saved: %1</source>
        <translation>no guardado: %1</translation>
    </message>
    <message>
        <source>not saved: another program is using its file</source>
        <translation>no guardado: otro programa está usando su archivo</translation>
    </message>
    <message>
        <source>not saved: its file cannot be read (%1)</source>
        <translation>no guardado: no se puede leer su archivo (%1)</translation>
    </message>
    <message>
        <source>refused: %1</source>
        <translation>rechazado: %1</translation>
    </message>
    <message>
        <source>not tried</source>
        <translation>no intentado</translation>
    </message>
    <message>
        <source>not saved: the card is not answering; what it holds now is unknown</source>
        <translation>no guardado: la tarjeta no responde; se desconoce lo que contiene ahora</translation>
    </message>
</context>
<context>
    <name>CameraMonitor</name>
    <message>
        <source>Cannot mount %1: mounting a card needs the desktop&apos;s storage service (UDisks2), which is not running</source>
        <translation>No se puede montar %1: para montar una tarjeta hace falta el servicio de almacenamiento del escritorio (UDisks2), que no está en ejecución</translation>
    </message>
    <message>
        <source>Cannot eject %1: ejecting a card needs the desktop&apos;s storage service (UDisks2), which is not running</source>
        <translation>No se puede expulsar %1: para expulsar una tarjeta hace falta el servicio de almacenamiento del escritorio (UDisks2), que no está en ejecución</translation>
    </message>
    <message>
        <source>it is still in use; close what uses it and try again</source>
        <translation>sigue en uso; cierre lo que la esté usando y vuelva a intentarlo</translation>
    </message>
    <message>
        <source>the desktop&apos;s policy does not allow it</source>
        <translation>la política del escritorio no lo permite</translation>
    </message>
    <message>
        <source>it is not mounted</source>
        <translation>no está montada</translation>
    </message>
    <message>
        <source>the storage service did not answer</source>
        <translation>el servicio de almacenamiento no respondió</translation>
    </message>
    <message>
        <source>Could not mount %1: %2</source>
        <translation>No se pudo montar %1: %2</translation>
    </message>
    <message>
        <source>%1 is mounted at %2, but %3</source>
        <translation>%1 está montada en %2, pero %3</translation>
    </message>
    <message>
        <source>holds no camera configuration file</source>
        <translation>no contiene ningún archivo de configuración de cámara</translation>
    </message>
    <message>
        <source>is not answering</source>
        <translation>no responde</translation>
    </message>
    <message>
        <source>Could not eject %1: %2</source>
        <translation>No se pudo expulsar %1: %2</translation>
    </message>
    <message>
        <source>%1 is unmounted and may be removed, but its drive could not be powered off: %2</source>
        <translation>%1 está desmontada y se puede retirar, pero no se pudo apagar su unidad: %2</translation>
    </message>
</context>
<context>
    <name>ConfigDocument</name>
    <message>
        <source>%1 (removed)</source>
        <translation>%1 (extraída)</translation>
    </message>
</context>
<context>
    <name>CopyResultsDialog</name>
    <message>
        <source>Saved and checked on 1 camera</source>
        <translation>Guardado y comprobado en 1 cámara</translation>
    </message>
    <message>
        <source>Not saved on 1 camera</source>
        <translation>No guardado en 1 cámara</translation>
    </message>
    <message>
        <source>Saved and checked on %1 of %2 cameras</source>
        <translation>Guardado y comprobado en %1 de %2 cámaras</translation>
    </message>
    <message>
        <source>Apply to Connected Cameras</source>
        <translation>Aplicar a las cámaras conectadas</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>&amp;Eject All</source>
        <translation>&amp;Expulsar todas</translation>
    </message>
    <message>
        <source>Unmount and power off the cameras saved, so that they can be removed</source>
        <translation>Desmontar y apagar las cámaras guardadas para poder retirarlas</translation>
    </message>
</context>
<context>
    <name>HelpWindows</name>
    <message>
        <source>Kavelo Manager Help</source>
        <translation>Ayuda de Kavelo Manager</translation>
    </message>
    <message>
        <source>About Kavelo Manager</source>
        <translation>Acerca de Kavelo Manager</translation>
    </message>
    <message>
        <source>Edits the configuration file of a Kavelo video camera: open the CONFIG.TXT on its memory card, change its settings, save it back.</source>
        <translation>Edita el archivo de configuración de una cámara de vídeo Kavelo: abra el CONFIG.TXT de su tarjeta de memoria, cambie sus ajustes y vuelva a guardarlo.</translation>
    </message>
</context>
<context>
    <name>LoadMessages</name>
    <message>
        <source>Camera revision not supported! 
Actually supported only revision v00%1</source>
        <translation>¡Revisión de cámara no compatible! 
Actualmente solo se admite la revisión v00%1</translation>
    </message>
    <message>
        <source>Camera firmware too old! 
Supported from version %1 to %2</source>
        <translation>¡Firmware de la cámara demasiado antiguo! 
Compatible desde la versión %1 hasta la %2</translation>
    </message>
    <message>
        <source>Unknown file format!</source>
        <translation>¡Formato de archivo desconocido!</translation>
    </message>
    <message>
        <source>Firmware v%1 not supported!
Kavelo Manager needs to be updated! 
Supported from version %2 to %3</source>
        <translation>¡Firmware v%1 no compatible!
¡Kavelo Manager necesita actualizarse! 
Compatible desde la versión %2 hasta la %3</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>larger than %1 bytes, so no camera configuration file</source>
        <translation>más de %1 bytes, así que no es un archivo de configuración de cámara</translation>
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
        <translation>Arrastre el archivo CONFIG.TXT de la cámara a esta zona para cargarlo</translation>
    </message>
    <message>
        <source>Drop the camera&apos;s
CONFIG.TXT here</source>
        <translation>Suelte aquí el
CONFIG.TXT de la cámara</translation>
    </message>
    <message>
        <source>Configuration file</source>
        <translation>Archivo de configuración</translation>
    </message>
    <message>
        <source>Connect the camera or open its CONFIG.TXT</source>
        <translation>Conecte la cámara o abra su CONFIG.TXT</translation>
    </message>
    <message>
        <source>Load…</source>
        <translation>Cargar…</translation>
    </message>
    <message>
        <source>Open the camera&apos;s CONFIG.TXT</source>
        <translation>Abrir el CONFIG.TXT de la cámara</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Write the settings back into the loaded file</source>
        <translation>Escribir los ajustes en el archivo cargado</translation>
    </message>
    <message>
        <source>Set defaults</source>
        <translation>Valores predeterminados</translation>
    </message>
    <message>
        <source>Put every setting back to its default; the file changes when you save</source>
        <translation>Devolver cada ajuste a su valor predeterminado; el archivo cambia al guardar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
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
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Video mode 2</source>
        <translation>Modo de vídeo 2</translation>
    </message>
    <message>
        <source>60 and 50 fps record only at 1280x720 wide and 848x480: choosing one of them at another resolution switches to 1280x720 wide, and choosing 1920x1080 or 1280x720 narrow at 60 or 50 fps switches to 30 fps. While loop recording is on, clips are 3 or 5 minutes long.</source>
        <translation>60 y 50 fps solo graban en 1280x720 amplio y 848x480: elegir uno de ellos con otra resolución cambia a 1280x720 amplio, y elegir 1920x1080 o 1280x720 estrecho a 60 o 50 fps cambia a 30 fps. Con la grabación en bucle activada, los clips duran 3 o 5 minutos.</translation>
    </message>
    <message>
        <source>Photo, picture and clock</source>
        <translation>Foto, imagen y reloj</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Date and clock</source>
        <translation>Fecha y reloj</translation>
    </message>
    <message>
        <source>The computer&apos;s time is written into the file when you save, and the camera takes it on when it loads the file.</source>
        <translation>La hora del ordenador se escribe en el archivo al guardar, y la cámara la adopta cuando carga el archivo.</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Custom gains:</source>
        <translation>Ganancias personalizadas:</translation>
    </message>
    <message>
        <source>The gains of the chosen custom white balance</source>
        <translation>Las ganancias del balance de blancos personalizado elegido</translation>
    </message>
    <message>
        <source>The gains belong to the custom white balance chosen above and can be edited only while one of Custom 1 to 3 is chosen: 100 to 999, press Return to apply.</source>
        <translation>Las ganancias pertenecen al balance de blancos personalizado elegido arriba y solo se pueden editar mientras esté elegido uno de Personalizado 1 a 3: de 100 a 999, pulse Intro para aplicarlas.</translation>
    </message>
    <message>
        <source>Camera and power</source>
        <translation>Cámara y alimentación</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Alimentación</translation>
    </message>
    <message>
        <source>Start recording:</source>
        <translation>Empezar a grabar:</translation>
    </message>
    <message>
        <source>Starts recording as soon as the camera gets power</source>
        <translation>Empieza a grabar en cuanto la cámara recibe alimentación</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nunca</translation>
    </message>
    <message>
        <source>When external power is connected</source>
        <translation>Al conectar la alimentación externa</translation>
    </message>
    <message>
        <source>When the power button is pressed</source>
        <translation>Al pulsar el botón de encendido</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Ambos</translation>
    </message>
    <message>
        <source>Motion detection</source>
        <translation>Detección de movimiento</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Cámara</translation>
    </message>
    <message>
        <source>TV, web camera and card</source>
        <translation>TV, cámara web y tarjeta</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
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
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Save a &amp;Copy…</source>
        <translation>Guardar una &amp;copia…</translation>
    </message>
    <message>
        <source>&amp;Apply Settings From…</source>
        <translation>Aplicar ajustes &amp;desde…</translation>
    </message>
    <message>
        <source>Apply &amp;to Connected Cameras…</source>
        <translation>Aplicar a las cámaras co&amp;nectadas…</translation>
    </message>
    <message>
        <source>&amp;Revert</source>
        <translation>&amp;Revertir</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>Kavelo Manager &amp;Help</source>
        <translation>&amp;Ayuda de Kavelo Manager</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;About Kavelo Manager</source>
        <translation>Acerca &amp;de Kavelo Manager</translation>
    </message>
    <message>
        <source>&amp;Eject camera</source>
        <translation>&amp;Expulsar cámara</translation>
    </message>
    <message>
        <source>Quit; asks first when there are unsaved changes</source>
        <translation>Salir; pregunta antes si hay cambios sin guardar</translation>
    </message>
</context>
<context>
    <name>MyAppDelegate</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Saved a copy as %1</source>
        <translation>Se ha guardado una copia como %1</translation>
    </message>
    <message>
        <source>Revert to %1 as the card holds it?</source>
        <translation>¿Volver a %1 tal como está en la tarjeta?</translation>
    </message>
    <message>
        <source>Your changes since it was opened or saved are lost.</source>
        <translation>Se perderán los cambios hechos desde que se abrió o se guardó.</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Revertir</translation>
    </message>
    <message>
        <source>Apply Settings From</source>
        <translation>Aplicar ajustes desde</translation>
    </message>
    <message>
        <source>Took the settings of %1: %2 changed</source>
        <translation>Se han tomado los ajustes de %1: %2 con cambios</translation>
    </message>
    <message>
        <source>1 setting</source>
        <translation>1 ajuste</translation>
    </message>
    <message>
        <source>%1 settings</source>
        <translation>%1 ajustes</translation>
    </message>
    <message>
        <source>Ejecting a card needs the desktop&apos;s storage service (UDisks2), which is not running</source>
        <translation>Para expulsar una tarjeta hace falta el servicio de almacenamiento del escritorio (UDisks2), que no está en ejecución</translation>
    </message>
    <message>
        <source>Eject</source>
        <translation>Expulsar</translation>
    </message>
    <message>
        <source>Unmount the card and power it off, so that it can be removed</source>
        <translation>Desmontar la tarjeta y apagarla para poder retirarla</translation>
    </message>
    <message>
        <source>%1 can be removed now</source>
        <translation>Ya se puede retirar %1</translation>
    </message>
    <message>
        <source>Camera %1 connected</source>
        <translation>Cámara %1 conectada</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Card %1 is not mounted</source>
        <translation>La tarjeta %1 no está montada</translation>
    </message>
    <message>
        <source>Mount and open</source>
        <translation>Montar y abrir</translation>
    </message>
    <message>
        <source>Card %1 is not answering</source>
        <translation>La tarjeta %1 no responde</translation>
    </message>
    <message>
        <source>Keep my settings</source>
        <translation>Conservar mis ajustes</translation>
    </message>
    <message>
        <source>No camera to eject: open its file first, or plug in only one</source>
        <translation>No hay ninguna cámara que expulsar: abra primero su archivo o conecte solo una</translation>
    </message>
    <message>
        <source>Ejecting %1…</source>
        <translation>Expulsando %1…</translation>
    </message>
    <message>
        <source>Applying the settings…</source>
        <translation>Aplicando los ajustes…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Apply to Connected Cameras</source>
        <translation>Aplicar a las cámaras conectadas</translation>
    </message>
    <message>
        <source>Saving %1…</source>
        <translation>Guardando %1…</translation>
    </message>
    <message>
        <source>not saved: </source>
        <translation>no guardado: </translation>
    </message>
    <message>
        <source>saved and checked</source>
        <translation>guardado y comprobado</translation>
    </message>
    <message>
        <source>not checked: the file read back holds other settings</source>
        <translation>no comprobado: el archivo releído contiene otros ajustes</translation>
    </message>
    <message>
        <source>another program changed its file since it was opened; Save asks what to do</source>
        <translation>otro programa ha modificado su archivo desde que se abrió; Guardar pregunta qué hacer</translation>
    </message>
    <message>
        <source>its file was deleted since it was opened; Save asks what to do</source>
        <translation>su archivo se ha eliminado desde que se abrió; Guardar pregunta qué hacer</translation>
    </message>
    <message>
        <source>another camera&apos;s file is there now</source>
        <translation>ahora está ahí el archivo de otra cámara</translation>
    </message>
    <message>
        <source>another program is using its file</source>
        <translation>otro programa está usando su archivo</translation>
    </message>
    <message>
        <source>the card is not answering; what it holds now is unknown</source>
        <translation>la tarjeta no responde; se desconoce lo que contiene ahora</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>¿Desea guardar los cambios en %1?</translation>
    </message>
    <message>
        <source>The settings in the window differ from the file. Your changes are lost if you don&apos;t save them.</source>
        <translation>Los ajustes de la ventana difieren del archivo. Si no los guarda, perderá los cambios.</translation>
    </message>
    <message>
        <source>Firmware info: </source>
        <translation>Información del firmware: </translation>
    </message>
    <message>
        <source>Revision info: </source>
        <translation>Información de revisión: </translation>
    </message>
    <message>
        <source>	 Camera time:</source>
        <translation>	 Hora de la cámara:</translation>
    </message>
    <message>
        <source>. </source>
        <translation>. </translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recargar</translation>
    </message>
    <message>
        <source>Open That Camera&apos;s File</source>
        <translation>Abrir el archivo de esa cámara</translation>
    </message>
    <message>
        <source>%1 was deleted since it was opened.</source>
        <translation>%1 se ha eliminado desde que se abrió.</translation>
    </message>
    <message>
        <source>Save makes it again with the settings in this window.</source>
        <translation>Guardar lo vuelve a crear con los ajustes de esta ventana.</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened.</source>
        <translation>Otro programa ha modificado %1 desde que se abrió.</translation>
    </message>
    <message>
        <source>Overwrite replaces that change with the settings in this window. Reload shows what the file holds now; your changes are lost.</source>
        <translation>Sobrescribir sustituye ese cambio por los ajustes de esta ventana. Recargar muestra lo que contiene ahora el archivo; sus cambios se pierden.</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Sobrescribir</translation>
    </message>
    <message>
        <source>There is no room on the card for the safety copy that a save writes first.</source>
        <translation>No hay espacio en la tarjeta para la copia de seguridad que se escribe primero al guardar.</translation>
    </message>
    <message>
        <source>The new settings fit in the space %1 already takes, so they can be written over it directly. If the card is pulled out or the camera loses power in those milliseconds, %1 may be left damaged.</source>
        <translation>Los nuevos ajustes caben en el espacio que ya ocupa %1, así que pueden escribirse directamente encima. Si se saca la tarjeta o la cámara se queda sin alimentación en esos milisegundos, %1 puede quedar dañado.</translation>
    </message>
    <message>
        <source>Write in Place</source>
        <translation>Escribir directamente</translation>
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
        <translation>Archivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>Text files (*.[tT][xX][tT])</source>
        <translation>Archivos de texto (*.[tT][xX][tT])</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Open camera configuration</source>
        <translation>Abrir la configuración de la cámara</translation>
    </message>
    <message>
        <source>Save a copy of the settings</source>
        <translation>Guardar una copia de los ajustes</translation>
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
        <translation>Amplio</translation>
    </message>
    <message>
        <source>Narrow</source>
        <translation>Estrecho</translation>
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
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activado</translation>
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
        <translation>Año/Mes/Día</translation>
    </message>
    <message>
        <source>Day/Month/Year</source>
        <translation>Día/Mes/Año</translation>
    </message>
    <message>
        <source>Month/Day/Year</source>
        <translation>Mes/Día/Año</translation>
    </message>
    <message>
        <source>Keep the camera&apos;s clock</source>
        <translation>Conservar el reloj de la cámara</translation>
    </message>
    <message>
        <source>Set the clock from this computer</source>
        <translation>Poner en hora con este ordenador</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>1920x1080 narrow</source>
        <translation>1920x1080 estrecho</translation>
    </message>
    <message>
        <source>1920x1080 wide</source>
        <translation>1920x1080 amplio</translation>
    </message>
    <message>
        <source>1280x720 narrow</source>
        <translation>1280x720 estrecho</translation>
    </message>
    <message>
        <source>1280x720 wide</source>
        <translation>1280x720 amplio</translation>
    </message>
    <message>
        <source>848x480 narrow</source>
        <translation>848x480 estrecho</translation>
    </message>
    <message>
        <source>848x480 wide</source>
        <translation>848x480 amplio</translation>
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
        <translation>Baja</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Media</translation>
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
        <translation>Ninguno</translation>
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
        <translation>Estándar</translation>
    </message>
    <message>
        <source>Wide angle</source>
        <translation>Gran angular</translation>
    </message>
    <message>
        <source>Fisheye</source>
        <translation>Ojo de pez</translation>
    </message>
    <message>
        <source>Mass storage</source>
        <translation>Almacenamiento masivo</translation>
    </message>
    <message>
        <source>Web camera</source>
        <translation>Cámara web</translation>
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
        <translation>Auto</translation>
    </message>
    <message>
        <source>Daylight</source>
        <translation>Luz de día</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>Nublado</translation>
    </message>
    <message>
        <source>Tungsten</source>
        <translation>Tungsteno</translation>
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
        <translation>Blanco y negro</translation>
    </message>
    <message>
        <source>Sepia</source>
        <translation>Sepia</translation>
    </message>
    <message>
        <source>No control changes it; it is kept as the file has it</source>
        <translation>Ningún control lo cambia; se conserva tal como está en el archivo</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolución</translation>
    </message>
    <message>
        <source>The picture size of the video and, in its lowest bit, the field of view</source>
        <translation>El tamaño de imagen del vídeo y, en su bit más bajo, el campo de visión</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>Velocidad de fotogramas</translation>
    </message>
    <message>
        <source>Pictures per second; 60 and 50 fps record at 1280x720 wide and 848x480 only</source>
        <translation>Fotogramas por segundo; 60 y 50 fps solo graban en 1280x720 amplio y 848x480</translation>
    </message>
    <message>
        <source>Time lapse</source>
        <translation>Lapso de tiempo</translation>
    </message>
    <message>
        <source>Records one frame per interval; Off records normally</source>
        <translation>Graba un fotograma por intervalo; Desactivado graba normalmente</translation>
    </message>
    <message>
        <source>Time lapse custom value</source>
        <translation>Valor personalizado del lapso de tiempo</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Records sound with the video</source>
        <translation>Graba el sonido con el vídeo</translation>
    </message>
    <message>
        <source>Clip length</source>
        <translation>Duración del clip</translation>
    </message>
    <message>
        <source>The length of each video file; loop recording allows 3 or 5 minutes</source>
        <translation>La duración de cada archivo de vídeo; la grabación en bucle admite 3 o 5 minutos</translation>
    </message>
    <message>
        <source>Loop recording</source>
        <translation>Grabación en bucle</translation>
    </message>
    <message>
        <source>When the card is full, the oldest clip is overwritten</source>
        <translation>Cuando la tarjeta está llena, se sobrescribe el clip más antiguo</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientación</translation>
    </message>
    <message>
        <source>Rotated 180° for a camera mounted upside down</source>
        <translation>Girada 180° para una cámara montada boca abajo</translation>
    </message>
    <message>
        <source>Time stamp</source>
        <translation>Marca de fecha</translation>
    </message>
    <message>
        <source>Prints the date and time into the picture</source>
        <translation>Imprime la fecha y la hora en la imagen</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Calidad</translation>
    </message>
    <message>
        <source>Higher quality records more data per second</source>
        <translation>Una calidad más alta graba más datos por segundo</translation>
    </message>
    <message>
        <source>High dynamic range</source>
        <translation>Alto rango dinámico</translation>
    </message>
    <message>
        <source>Evens out bright and dark parts of the picture</source>
        <translation>Equilibra las zonas claras y oscuras de la imagen</translation>
    </message>
    <message>
        <source>File format</source>
        <translation>Formato de archivo</translation>
    </message>
    <message>
        <source>The kind of file the video is recorded into</source>
        <translation>El tipo de archivo en el que se graba el vídeo</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Formato de fecha</translation>
    </message>
    <message>
        <source>The order of year, month and day in the date line</source>
        <translation>El orden de año, mes y día en la línea de la fecha</translation>
    </message>
    <message>
        <source>Camera clock</source>
        <translation>Reloj de la cámara</translation>
    </message>
    <message>
        <source>Whether a save sets the camera&apos;s clock to this computer&apos;s time</source>
        <translation>Si al guardar se pone el reloj de la cámara en la hora de este ordenador</translation>
    </message>
    <message>
        <source>Start mode</source>
        <translation>Modo de inicio</translation>
    </message>
    <message>
        <source>The mode the camera is in after switching on</source>
        <translation>El modo en que está la cámara al encenderse</translation>
    </message>
    <message>
        <source>Photo size</source>
        <translation>Tamaño de foto</translation>
    </message>
    <message>
        <source>The size of each photo</source>
        <translation>El tamaño de cada foto</translation>
    </message>
    <message>
        <source>Takes one photo per interval; Off takes single photos</source>
        <translation>Toma una foto por intervalo; Desactivado toma fotos sueltas</translation>
    </message>
    <message>
        <source>Prints the date and time into the photo</source>
        <translation>Imprime la fecha y la hora en la foto</translation>
    </message>
    <message>
        <source>Power-on delay</source>
        <translation>Retardo de encendido</translation>
    </message>
    <message>
        <source>How long the camera waits after power comes on</source>
        <translation>Cuánto espera la cámara después de recibir alimentación</translation>
    </message>
    <message>
        <source>Auto off</source>
        <translation>Apagado automático</translation>
    </message>
    <message>
        <source>Switches off after this time without use</source>
        <translation>Se apaga tras este tiempo sin uso</translation>
    </message>
    <message>
        <source>Record on external power</source>
        <translation>Grabar con alimentación externa</translation>
    </message>
    <message>
        <source>Starts recording as soon as the camera gets external power</source>
        <translation>Empieza a grabar en cuanto la cámara recibe alimentación externa</translation>
    </message>
    <message>
        <source>Record at power button</source>
        <translation>Grabar con el botón de encendido</translation>
    </message>
    <message>
        <source>Starts recording when the power button switches the camera on</source>
        <translation>Empieza a grabar cuando el botón de encendido enciende la cámara</translation>
    </message>
    <message>
        <source>Off when unplugged</source>
        <translation>Apagar al desconectar</translation>
    </message>
    <message>
        <source>Switches off when external power is disconnected</source>
        <translation>Se apaga cuando se desconecta la alimentación externa</translation>
    </message>
    <message>
        <source>Recording light</source>
        <translation>Luz de grabación</translation>
    </message>
    <message>
        <source>The light that shows the camera is recording</source>
        <translation>La luz que indica que la cámara está grabando</translation>
    </message>
    <message>
        <source>USB charging</source>
        <translation>Carga por USB</translation>
    </message>
    <message>
        <source>Charges from a computer&apos;s USB port</source>
        <translation>Se carga desde el puerto USB de un ordenador</translation>
    </message>
    <message>
        <source>Lens</source>
        <translation>Objetivo</translation>
    </message>
    <message>
        <source>The lens fitted to the camera, so that the picture is corrected for it</source>
        <translation>El objetivo montado en la cámara, para que la imagen se corrija según él</translation>
    </message>
    <message>
        <source>Light frequency</source>
        <translation>Frecuencia de la luz</translation>
    </message>
    <message>
        <source>The mains frequency, against flicker under artificial light</source>
        <translation>La frecuencia de la red eléctrica, contra el parpadeo con luz artificial</translation>
    </message>
    <message>
        <source>USB mode</source>
        <translation>Modo USB</translation>
    </message>
    <message>
        <source>What the camera is when plugged into a computer</source>
        <translation>Cómo funciona la cámara al conectarla a un ordenador</translation>
    </message>
    <message>
        <source>Web camera orientation</source>
        <translation>Orientación de la cámara web</translation>
    </message>
    <message>
        <source>Rotated 180° for a web camera mounted upside down</source>
        <translation>Girada 180° para una cámara web montada boca abajo</translation>
    </message>
    <message>
        <source>TV system</source>
        <translation>Sistema de TV</translation>
    </message>
    <message>
        <source>The TV standard of the video output</source>
        <translation>La norma de televisión de la salida de vídeo</translation>
    </message>
    <message>
        <source>TV aspect ratio</source>
        <translation>Relación de aspecto de TV</translation>
    </message>
    <message>
        <source>The shape of the picture on a TV</source>
        <translation>La forma de la imagen en un televisor</translation>
    </message>
    <message>
        <source>Card format</source>
        <translation>Formato de tarjeta</translation>
    </message>
    <message>
        <source>The file system the camera formats its card with; firmware 2.18 and later</source>
        <translation>El sistema de archivos con el que la cámara formatea su tarjeta; firmware 2.18 y posteriores</translation>
    </message>
    <message>
        <source>Motion detection</source>
        <translation>Detección de movimiento</translation>
    </message>
    <message>
        <source>Records when something moves</source>
        <translation>Graba cuando algo se mueve</translation>
    </message>
    <message>
        <source>Motion timeout</source>
        <translation>Espera tras el movimiento</translation>
    </message>
    <message>
        <source>Stops recording this long after the motion ends</source>
        <translation>Deja de grabar este tiempo después de que acabe el movimiento</translation>
    </message>
    <message>
        <source>Motion sensitivity</source>
        <translation>Sensibilidad al movimiento</translation>
    </message>
    <message>
        <source>How little movement starts a recording</source>
        <translation>Con qué poco movimiento empieza una grabación</translation>
    </message>
    <message>
        <source>White balance</source>
        <translation>Balance de blancos</translation>
    </message>
    <message>
        <source>Colour correction for the light; Custom 1 to 3 use their own gains</source>
        <translation>Corrección del color según la luz; Personalizado 1 a 3 usan sus propias ganancias</translation>
    </message>
    <message>
        <source>Colour effect</source>
        <translation>Efecto de color</translation>
    </message>
    <message>
        <source>Pictures in colour, in black and white, or in sepia</source>
        <translation>Imágenes en color, en blanco y negro o en sepia</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Exposición</translation>
    </message>
    <message>
        <source>Brighter to the right, darker to the left</source>
        <translation>Más clara a la derecha, más oscura a la izquierda</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>Stronger contrast to the right</source>
        <translation>Más contraste a la derecha</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturación</translation>
    </message>
    <message>
        <source>Stronger colours to the right</source>
        <translation>Colores más intensos a la derecha</translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation>Nitidez</translation>
    </message>
    <message>
        <source>Sharper edges to the right</source>
        <translation>Bordes más nítidos a la derecha</translation>
    </message>
    <message>
        <source>Red gain</source>
        <translation>Ganancia de rojo</translation>
    </message>
    <message>
        <source>Green gain</source>
        <translation>Ganancia de verde</translation>
    </message>
    <message>
        <source>Blue gain</source>
        <translation>Ganancia de azul</translation>
    </message>
    <message>
        <source>The red gain of this custom white balance, 100 to 999</source>
        <translation>La ganancia de rojo de este balance de blancos personalizado, de 100 a 999</translation>
    </message>
    <message>
        <source>The green gain of this custom white balance, 100 to 999</source>
        <translation>La ganancia de verde de este balance de blancos personalizado, de 100 a 999</translation>
    </message>
    <message>
        <source>The blue gain of this custom white balance, 100 to 999</source>
        <translation>La ganancia de azul de este balance de blancos personalizado, de 100 a 999</translation>
    </message>
    <message>
        <source>Starts recording when the camera gets external power, when its power button switches it on, or both</source>
        <translation>Empieza a grabar cuando la cámara recibe alimentación externa, cuando su botón de encendido la enciende, o en ambos casos</translation>
    </message>
    <message>
        <source>Field of view</source>
        <translation>Campo de visión</translation>
    </message>
    <message>
        <source>Wide or narrow picture</source>
        <translation>Imagen amplia o estrecha</translation>
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
        <translation>no contiene identificadores de cámara, así que no es el archivo de configuración de una cámara</translation>
    </message>
    <message>
        <source>Loaded %1</source>
        <translation>Se ha cargado %1</translation>
    </message>
    <message>
        <source>Not loaded: %1: %2</source>
        <translation>No cargado: %1: %2</translation>
    </message>
    <message>
        <source> Save still writes %1.</source>
        <translation> Guardar sigue escribiendo en %1.</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Se ha guardado %1</translation>
    </message>
    <message>
        <source>Not saved: %1: %2; the file is as it was</source>
        <translation>No guardado: %1: %2; el archivo sigue como estaba</translation>
    </message>
    <message>
        <source>the card is full</source>
        <translation>la tarjeta está llena</translation>
    </message>
    <message>
        <source>the file would be larger than this system allows</source>
        <translation>el archivo superaría el tamaño que permite este sistema</translation>
    </message>
    <message>
        <source>the card is write-protected</source>
        <translation>la tarjeta está protegida contra escritura</translation>
    </message>
    <message>
        <source>you may not write this file</source>
        <translation>no tiene permiso para escribir en este archivo</translation>
    </message>
    <message>
        <source>the card was removed or cannot be reached</source>
        <translation>la tarjeta se ha extraído o no es accesible</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>no se pudo escribir el archivo</translation>
    </message>
    <message>
        <source>%1: %2 does not record at %3</source>
        <translation>%1: %2 no graba a %3</translation>
    </message>
    <message>
        <source>%1: %2 lowered to %3 because %4 is on; Save writes it</source>
        <translation>%1: %2 reducida a %3 porque %4 está activada; se escribe al guardar</translation>
    </message>
    <message>
        <source>. </source>
        <translation>. </translation>
    </message>
    <message>
        <source>Not saved: %1 is in use by another program; try again in a moment</source>
        <translation>No guardado: otro programa está usando %1; vuelva a intentarlo dentro de un momento</translation>
    </message>
    <message>
        <source>Not saved: the card holding %1 is not answering; what it holds now is unknown. Take it out and put it in again, then Save</source>
        <translation>No guardado: la tarjeta que contiene %1 no responde; se desconoce lo que contiene ahora. Sáquela, vuelva a insertarla y pulse Guardar</translation>
    </message>
    <message>
        <source>Not saved: %1 is now another camera&apos;s file (%2); these settings stay in the window</source>
        <translation>No guardado: %1 es ahora el archivo de otra cámara (%2); estos ajustes se quedan en la ventana</translation>
    </message>
    <message>
        <source>no camera identifiers</source>
        <translation>sin identificadores de cámara</translation>
    </message>
    <message>
        <source>%1 was changed %2by another program.</source>
        <translation>%1 ha sido modificado %2por otro programa.</translation>
    </message>
    <message>
        <source>on the card </source>
        <translation>en la tarjeta </translation>
    </message>
    <message>
        <source>%1 was deleted %2by another program.</source>
        <translation>%1 ha sido eliminado %2por otro programa.</translation>
    </message>
    <message>
        <source>from the card </source>
        <translation>de la tarjeta </translation>
    </message>
    <message>
        <source>The card %1 was removed: Save cannot write %2 until it is back</source>
        <translation>Se ha extraído la tarjeta %1: Guardar no puede escribir %2 hasta que vuelva</translation>
    </message>
    <message>
        <source>The card %1 is back: Save writes %2 again</source>
        <translation>La tarjeta %1 ha vuelto: Guardar vuelve a escribir %2</translation>
    </message>
    <message>
        <source>clip length</source>
        <translation>duración del clip</translation>
    </message>
    <message>
        <source>loop recording</source>
        <translation>grabación en bucle</translation>
    </message>
</context>
</TS>
