<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Alerts</name>
    <message>
        <source>Configuration file loaded successfully! 
Change the configuration than pres the Save button</source>
        <translation>File di configurazione caricato correttamente! 
Modifica la configurazione, poi premi il pulsante Salva</translation>
    </message>
    <message>
        <source>Error when trying to detect the type of file!</source>
        <translation>Errore durante il rilevamento del tipo di file!</translation>
    </message>
    <message>
        <source>Unknown file format!</source>
        <translation>Formato di file sconosciuto!</translation>
    </message>
    <message>
        <source>File path too long!</source>
        <translation>Percorso del file troppo lungo!</translation>
    </message>
    <message>
        <source>Configuration file saved successfully! 
Safely remove your camera and load the new configuration</source>
        <translation>File di configurazione salvato correttamente! 
Rimuovi la videocamera in sicurezza e carica la nuova configurazione</translation>
    </message>
    <message>
        <source>Configuration file NOT saved! 
Problem during file writing!</source>
        <translation>File di configurazione NON salvato! 
Problema durante la scrittura del file!</translation>
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
        <translation>, non supportata</translation>
    </message>
    <message>
        <source> (open now)</source>
        <translation> (aperta ora)</translation>
    </message>
    <message>
        <source>Apply to Connected Cameras</source>
        <translation>Applica alle videocamere collegate</translation>
    </message>
    <message>
        <source>The settings shown in the window are saved into each camera you tick. Each camera keeps its own identification, and each file is read back and checked after its save.</source>
        <translation>Le impostazioni mostrate nella finestra vengono salvate in ogni videocamera selezionata. Ogni videocamera mantiene la propria identificazione e ogni file viene riletto e verificato dopo il salvataggio.</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Applica</translation>
    </message>
</context>
<context>
    <name>CameraCopyRun</name>
    <message>
        <source>saved and checked</source>
        <translation>salvato e verificato</translation>
    </message>
    <message>
        <source>not checked: the file read back holds other settings</source>
        <translation>non verificato: il file riletto contiene altre impostazioni</translation>
    </message>
    <message>
        <source>not saved: %1</source>
        <translation>non salvato: %1</translation>
    </message>
    <message>
        <source>not saved: another program is using its file</source>
        <translation>non salvato: un altro programma sta usando il suo file</translation>
    </message>
    <message>
        <source>not saved: its file cannot be read (%1)</source>
        <translation>non salvato: il suo file non può essere letto (%1)</translation>
    </message>
    <message>
        <source>refused: %1</source>
        <translation>rifiutato: %1</translation>
    </message>
    <message>
        <source>not tried</source>
        <translation>non tentato</translation>
    </message>
    <message>
        <source>not saved: the card is not answering; what it holds now is unknown</source>
        <translation>non salvato: la scheda non risponde; il suo contenuto attuale è sconosciuto</translation>
    </message>
</context>
<context>
    <name>CameraMonitor</name>
    <message>
        <source>Cannot mount %1: mounting a card needs the desktop&apos;s storage service (UDisks2), which is not running</source>
        <translation>Impossibile montare %1: per montare una scheda serve il servizio di archiviazione del desktop (UDisks2), che non è in esecuzione</translation>
    </message>
    <message>
        <source>Cannot eject %1: ejecting a card needs the desktop&apos;s storage service (UDisks2), which is not running</source>
        <translation>Impossibile espellere %1: per espellere una scheda serve il servizio di archiviazione del desktop (UDisks2), che non è in esecuzione</translation>
    </message>
    <message>
        <source>it is still in use; close what uses it and try again</source>
        <translation>è ancora in uso; chiudi ciò che la sta usando e riprova</translation>
    </message>
    <message>
        <source>the desktop&apos;s policy does not allow it</source>
        <translation>i criteri del desktop non lo consentono</translation>
    </message>
    <message>
        <source>it is not mounted</source>
        <translation>non è montata</translation>
    </message>
    <message>
        <source>the storage service did not answer</source>
        <translation>il servizio di archiviazione non ha risposto</translation>
    </message>
    <message>
        <source>Could not mount %1: %2</source>
        <translation>Non è stato possibile montare %1: %2</translation>
    </message>
    <message>
        <source>%1 is mounted at %2, but %3</source>
        <translation>%1 è montata in %2, ma %3</translation>
    </message>
    <message>
        <source>holds no camera configuration file</source>
        <translation>non contiene alcun file di configurazione della videocamera</translation>
    </message>
    <message>
        <source>is not answering</source>
        <translation>non risponde</translation>
    </message>
    <message>
        <source>Could not eject %1: %2</source>
        <translation>Non è stato possibile espellere %1: %2</translation>
    </message>
    <message>
        <source>%1 is unmounted and may be removed, but its drive could not be powered off: %2</source>
        <translation>%1 è smontata e può essere rimossa, ma non è stato possibile spegnere la sua unità: %2</translation>
    </message>
</context>
<context>
    <name>ConfigDocument</name>
    <message>
        <source>%1 (removed)</source>
        <translation>%1 (rimossa)</translation>
    </message>
</context>
<context>
    <name>CopyResultsDialog</name>
    <message>
        <source>Saved and checked on 1 camera</source>
        <translation>Impostazioni salvate e verificate su 1 videocamera</translation>
    </message>
    <message>
        <source>Not saved on 1 camera</source>
        <translation>Impostazioni non salvate su 1 videocamera</translation>
    </message>
    <message>
        <source>Saved and checked on %1 of %2 cameras</source>
        <translation>Impostazioni salvate e verificate su %1 delle %2 videocamere</translation>
    </message>
    <message>
        <source>Apply to Connected Cameras</source>
        <translation>Applica alle videocamere collegate</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>&amp;Eject All</source>
        <translation>&amp;Espelli tutte</translation>
    </message>
    <message>
        <source>Unmount and power off the cameras saved, so that they can be removed</source>
        <translation>Smonta e spegni le videocamere salvate, così che possano essere rimosse</translation>
    </message>
</context>
<context>
    <name>HelpWindows</name>
    <message>
        <source>Kavelo Manager Help</source>
        <translation>Guida di Kavelo Manager</translation>
    </message>
    <message>
        <source>About Kavelo Manager</source>
        <translation>Informazioni su Kavelo Manager</translation>
    </message>
    <message>
        <source>Edits the configuration file of a Kavelo video camera: open the CONFIG.TXT on its memory card, change its settings, save it back.</source>
        <translation>Modifica il file di configurazione di una videocamera Kavelo: apri il CONFIG.TXT sulla sua scheda di memoria, cambiane le impostazioni e salvalo al suo posto.</translation>
    </message>
</context>
<context>
    <name>LoadMessages</name>
    <message>
        <source>Camera revision not supported! 
Actually supported only revision v00%1</source>
        <translation>Revisione della videocamera non supportata! 
Attualmente è supportata solo la revisione v00%1</translation>
    </message>
    <message>
        <source>Camera firmware too old! 
Supported from version %1 to %2</source>
        <translation>Firmware della videocamera troppo vecchio! 
Sono supportate le versioni dalla %1 alla %2</translation>
    </message>
    <message>
        <source>Unknown file format!</source>
        <translation>Formato di file sconosciuto!</translation>
    </message>
    <message>
        <source>Firmware v%1 not supported!
Kavelo Manager needs to be updated! 
Supported from version %2 to %3</source>
        <translation>Firmware v%1 non supportato!
Kavelo Manager deve essere aggiornato! 
Sono supportate le versioni dalla %2 alla %3</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>larger than %1 bytes, so no camera configuration file</source>
        <translation>più grande di %1 byte, quindi non è un file di configurazione della videocamera</translation>
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
        <translation>Trascina il file CONFIG.TXT dalla videocamera in quest&apos;area per caricarlo</translation>
    </message>
    <message>
        <source>Drop the camera&apos;s
CONFIG.TXT here</source>
        <translation>Rilascia qui il CONFIG.TXT
della videocamera</translation>
    </message>
    <message>
        <source>Configuration file</source>
        <translation>File di configurazione</translation>
    </message>
    <message>
        <source>Connect the camera or open its CONFIG.TXT</source>
        <translation>Collega la videocamera o apri il suo CONFIG.TXT</translation>
    </message>
    <message>
        <source>Load…</source>
        <translation>Carica…</translation>
    </message>
    <message>
        <source>Open the camera&apos;s CONFIG.TXT</source>
        <translation>Apri il CONFIG.TXT della videocamera</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Write the settings back into the loaded file</source>
        <translation>Scrivi le impostazioni nel file caricato</translation>
    </message>
    <message>
        <source>Set defaults</source>
        <translation>Valori predefiniti</translation>
    </message>
    <message>
        <source>Put every setting back to its default; the file changes when you save</source>
        <translation>Riporta ogni impostazione al valore predefinito; il file cambia quando salvi</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Video modes</source>
        <translation>Modalità video</translation>
    </message>
    <message>
        <source>Video mode 1</source>
        <translation>Modalità video 1</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Disattivato</translation>
    </message>
    <message>
        <source>Video mode 2</source>
        <translation>Modalità video 2</translation>
    </message>
    <message>
        <source>60 and 50 fps record only at 1280x720 wide and 848x480: choosing one of them at another resolution switches to 1280x720 wide, and choosing 1920x1080 or 1280x720 narrow at 60 or 50 fps switches to 30 fps. While loop recording is on, clips are 3 or 5 minutes long.</source>
        <translation>60 e 50 fps registrano solo a 1280x720 ampio e 848x480: se ne scegli uno con un&apos;altra risoluzione, si passa a 1280x720 ampio; se scegli 1920x1080 o 1280x720 stretto a 60 o 50 fps, si passa a 30 fps. Con la registrazione in loop attiva, le clip durano 3 o 5 minuti.</translation>
    </message>
    <message>
        <source>Photo, picture and clock</source>
        <translation>Foto, immagine e orologio</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Date and clock</source>
        <translation>Data e orologio</translation>
    </message>
    <message>
        <source>The computer&apos;s time is written into the file when you save, and the camera takes it on when it loads the file.</source>
        <translation>Al salvataggio l&apos;ora del computer viene scritta nel file e la videocamera la adotta quando carica il file.</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>Custom gains:</source>
        <translation>Guadagni personalizzati:</translation>
    </message>
    <message>
        <source>The gains of the chosen custom white balance</source>
        <translation>I guadagni del bilanciamento del bianco personalizzato scelto</translation>
    </message>
    <message>
        <source>The gains belong to the custom white balance chosen above and can be edited only while one of Custom 1 to 3 is chosen: 100 to 999, press Return to apply.</source>
        <translation>I guadagni appartengono al bilanciamento del bianco personalizzato scelto sopra e si possono modificare solo mentre è scelto Personalizzato 1, 2 o 3: da 100 a 999, premi Invio per applicarli.</translation>
    </message>
    <message>
        <source>Camera and power</source>
        <translation>Videocamera e alimentazione</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Alimentazione</translation>
    </message>
    <message>
        <source>Start recording:</source>
        <translation>Avvia registrazione:</translation>
    </message>
    <message>
        <source>Starts recording as soon as the camera gets power</source>
        <translation>Avvia la registrazione appena la videocamera riceve alimentazione</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>When external power is connected</source>
        <translation>Quando è collegata l&apos;alimentazione esterna</translation>
    </message>
    <message>
        <source>When the power button is pressed</source>
        <translation>Quando si preme il pulsante di accensione</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Entrambi</translation>
    </message>
    <message>
        <source>Motion detection</source>
        <translation>Rilevamento movimento</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Videocamera</translation>
    </message>
    <message>
        <source>TV, web camera and card</source>
        <translation>TV, webcam e scheda</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Apri…</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Save a &amp;Copy…</source>
        <translation>Salva una &amp;copia…</translation>
    </message>
    <message>
        <source>&amp;Apply Settings From…</source>
        <translation>Applica &amp;impostazioni da…</translation>
    </message>
    <message>
        <source>Apply &amp;to Connected Cameras…</source>
        <translation>Applica alle &amp;videocamere collegate…</translation>
    </message>
    <message>
        <source>&amp;Revert</source>
        <translation>&amp;Ripristina</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>Kavelo Manager &amp;Help</source>
        <translation>&amp;Guida di Kavelo Manager</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;About Kavelo Manager</source>
        <translation>&amp;Informazioni su Kavelo Manager</translation>
    </message>
    <message>
        <source>&amp;Eject camera</source>
        <translation>Es&amp;pelli videocamera</translation>
    </message>
    <message>
        <source>Quit; asks first when there are unsaved changes</source>
        <translation>Esci; chiede prima se ci sono modifiche non salvate</translation>
    </message>
</context>
<context>
    <name>MyAppDelegate</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>Saved a copy as %1</source>
        <translation>Copia salvata come %1</translation>
    </message>
    <message>
        <source>Revert to %1 as the card holds it?</source>
        <translation>Ripristinare %1 così come si trova ora sulla scheda?</translation>
    </message>
    <message>
        <source>Your changes since it was opened or saved are lost.</source>
        <translation>Le modifiche fatte dall&apos;apertura o dall&apos;ultimo salvataggio andranno perse.</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Apply Settings From</source>
        <translation>Applica impostazioni da</translation>
    </message>
    <message>
        <source>Took the settings of %1: %2 changed</source>
        <translation>Impostazioni prese da %1: %2</translation>
    </message>
    <message>
        <source>1 setting</source>
        <translation>1 impostazione modificata</translation>
    </message>
    <message>
        <source>%1 settings</source>
        <translation>%1 impostazioni modificate</translation>
    </message>
    <message>
        <source>Ejecting a card needs the desktop&apos;s storage service (UDisks2), which is not running</source>
        <translation>Per espellere una scheda serve il servizio di archiviazione del desktop (UDisks2), che non è in esecuzione</translation>
    </message>
    <message>
        <source>Eject</source>
        <translation>Espelli</translation>
    </message>
    <message>
        <source>Unmount the card and power it off, so that it can be removed</source>
        <translation>Smonta la scheda e spegnila, così che possa essere rimossa</translation>
    </message>
    <message>
        <source>%1 can be removed now</source>
        <translation>%1 ora può essere rimossa</translation>
    </message>
    <message>
        <source>Camera %1 connected</source>
        <translation>Videocamera %1 collegata</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Card %1 is not mounted</source>
        <translation>La scheda %1 non è montata</translation>
    </message>
    <message>
        <source>Mount and open</source>
        <translation>Monta e apri</translation>
    </message>
    <message>
        <source>Card %1 is not answering</source>
        <translation>La scheda %1 non risponde</translation>
    </message>
    <message>
        <source>Keep my settings</source>
        <translation>Mantieni le mie impostazioni</translation>
    </message>
    <message>
        <source>No camera to eject: open its file first, or plug in only one</source>
        <translation>Nessuna videocamera da espellere: apri prima il suo file o collegane una sola</translation>
    </message>
    <message>
        <source>Ejecting %1…</source>
        <translation>Espulsione di %1…</translation>
    </message>
    <message>
        <source>Applying the settings…</source>
        <translation>Applicazione delle impostazioni…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Apply to Connected Cameras</source>
        <translation>Applica alle videocamere collegate</translation>
    </message>
    <message>
        <source>Saving %1…</source>
        <translation>Salvataggio di %1…</translation>
    </message>
    <message>
        <source>not saved: </source>
        <translation>non salvato: </translation>
    </message>
    <message>
        <source>saved and checked</source>
        <translation>salvato e verificato</translation>
    </message>
    <message>
        <source>not checked: the file read back holds other settings</source>
        <translation>non verificato: il file riletto contiene altre impostazioni</translation>
    </message>
    <message>
        <source>another program changed its file since it was opened; Save asks what to do</source>
        <translation>un altro programma ha modificato il suo file dopo l&apos;apertura; Salva chiede cosa fare</translation>
    </message>
    <message>
        <source>its file was deleted since it was opened; Save asks what to do</source>
        <translation>il suo file è stato eliminato dopo l&apos;apertura; Salva chiede cosa fare</translation>
    </message>
    <message>
        <source>another camera&apos;s file is there now</source>
        <translation>ora lì c&apos;è il file di un&apos;altra videocamera</translation>
    </message>
    <message>
        <source>another program is using its file</source>
        <translation>un altro programma sta usando il suo file</translation>
    </message>
    <message>
        <source>the card is not answering; what it holds now is unknown</source>
        <translation>la scheda non risponde; il suo contenuto attuale è sconosciuto</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>Vuoi salvare le modifiche a %1?</translation>
    </message>
    <message>
        <source>The settings in the window differ from the file. Your changes are lost if you don&apos;t save them.</source>
        <translation>Le impostazioni nella finestra sono diverse da quelle del file. Se non le salvi, le modifiche andranno perse.</translation>
    </message>
    <message>
        <source>Firmware info: </source>
        <translation>Info firmware: </translation>
    </message>
    <message>
        <source>Revision info: </source>
        <translation>Info revisione: </translation>
    </message>
    <message>
        <source>	 Camera time:</source>
        <translation>	 Ora della videocamera:</translation>
    </message>
    <message>
        <source>. </source>
        <translation>. </translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Ricarica</translation>
    </message>
    <message>
        <source>Open That Camera&apos;s File</source>
        <translation>Apri il file di quella videocamera</translation>
    </message>
    <message>
        <source>%1 was deleted since it was opened.</source>
        <translation>%1 è stato eliminato dopo l&apos;apertura.</translation>
    </message>
    <message>
        <source>Save makes it again with the settings in this window.</source>
        <translation>Salva lo ricrea con le impostazioni di questa finestra.</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened.</source>
        <translation>%1 è stato modificato da un altro programma dopo l&apos;apertura.</translation>
    </message>
    <message>
        <source>Overwrite replaces that change with the settings in this window. Reload shows what the file holds now; your changes are lost.</source>
        <translation>Sovrascrivi sostituisce quella modifica con le impostazioni di questa finestra. Ricarica mostra il contenuto attuale del file; le tue modifiche andranno perse.</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Sovrascrivi</translation>
    </message>
    <message>
        <source>There is no room on the card for the safety copy that a save writes first.</source>
        <translation>Sulla scheda non c&apos;è spazio per la copia di sicurezza che il salvataggio scrive per prima.</translation>
    </message>
    <message>
        <source>The new settings fit in the space %1 already takes, so they can be written over it directly. If the card is pulled out or the camera loses power in those milliseconds, %1 may be left damaged.</source>
        <translation>Le nuove impostazioni entrano nello spazio già occupato da %1, quindi possono essere scritte direttamente al suo posto. Se la scheda viene estratta o la videocamera perde alimentazione in quei millisecondi, %1 potrebbe restare danneggiato.</translation>
    </message>
    <message>
        <source>Write in Place</source>
        <translation>Scrivi sul posto</translation>
    </message>
</context>
<context>
    <name>NoticeBar</name>
    <message>
        <source>Notice</source>
        <translation>Avviso</translation>
    </message>
</context>
<context>
    <name>OpenPanel</name>
    <message>
        <source>Text files (*.txt)</source>
        <translation>File di testo (*.txt)</translation>
    </message>
    <message>
        <source>Text files (*.[tT][xX][tT])</source>
        <translation>File di testo (*.[tT][xX][tT])</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Open camera configuration</source>
        <translation>Apri la configurazione della videocamera</translation>
    </message>
    <message>
        <source>Save a copy of the settings</source>
        <translation>Salva una copia delle impostazioni</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Video mode 1</source>
        <translation>Modalità video 1</translation>
    </message>
    <message>
        <source>Video mode 2</source>
        <translation>Modalità video 2</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>Ampio</translation>
    </message>
    <message>
        <source>Narrow</source>
        <translation>Stretto</translation>
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
        <translation>Disattivato</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Attivato</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Rotated 180°</source>
        <translation>Ruotato di 180°</translation>
    </message>
    <message>
        <source>Year/Month/Day</source>
        <translation>Anno/Mese/Giorno</translation>
    </message>
    <message>
        <source>Day/Month/Year</source>
        <translation>Giorno/Mese/Anno</translation>
    </message>
    <message>
        <source>Month/Day/Year</source>
        <translation>Mese/Giorno/Anno</translation>
    </message>
    <message>
        <source>Keep the camera&apos;s clock</source>
        <translation>Mantieni l&apos;orologio della videocamera</translation>
    </message>
    <message>
        <source>Set the clock from this computer</source>
        <translation>Imposta l&apos;orologio da questo computer</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>1920x1080 narrow</source>
        <translation>1920x1080 stretto</translation>
    </message>
    <message>
        <source>1920x1080 wide</source>
        <translation>1920x1080 ampio</translation>
    </message>
    <message>
        <source>1280x720 narrow</source>
        <translation>1280x720 stretto</translation>
    </message>
    <message>
        <source>1280x720 wide</source>
        <translation>1280x720 ampio</translation>
    </message>
    <message>
        <source>848x480 narrow</source>
        <translation>848x480 stretto</translation>
    </message>
    <message>
        <source>848x480 wide</source>
        <translation>848x480 ampio</translation>
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
        <translation>Max</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Bassa</translation>
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
        <translation>Nessuno</translation>
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
        <translation>Mai</translation>
    </message>
    <message>
        <source>1 min</source>
        <translation>1 min</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Wide angle</source>
        <translation>Grandangolare</translation>
    </message>
    <message>
        <source>Fisheye</source>
        <translation>Fisheye</translation>
    </message>
    <message>
        <source>Mass storage</source>
        <translation>Archiviazione di massa</translation>
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
        <translation>Auto</translation>
    </message>
    <message>
        <source>Daylight</source>
        <translation>Luce diurna</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>Nuvoloso</translation>
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
        <translation>Personalizzato 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Personalizzato 2</translation>
    </message>
    <message>
        <source>Custom 3</source>
        <translation>Personalizzato 3</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>Bianco e nero</translation>
    </message>
    <message>
        <source>Sepia</source>
        <translation>Seppia</translation>
    </message>
    <message>
        <source>No control changes it; it is kept as the file has it</source>
        <translation>Nessun controllo la modifica; resta come è nel file</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Risoluzione</translation>
    </message>
    <message>
        <source>The picture size of the video and, in its lowest bit, the field of view</source>
        <translation>La dimensione dell&apos;immagine del video e, nel bit più basso, il campo visivo</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>Frequenza fotogrammi</translation>
    </message>
    <message>
        <source>Pictures per second; 60 and 50 fps record at 1280x720 wide and 848x480 only</source>
        <translation>Fotogrammi al secondo; 60 e 50 fps registrano solo a 1280x720 ampio e 848x480</translation>
    </message>
    <message>
        <source>Time lapse</source>
        <translation>Time lapse</translation>
    </message>
    <message>
        <source>Records one frame per interval; Off records normally</source>
        <translation>Registra un fotogramma per intervallo; Disattivato registra normalmente</translation>
    </message>
    <message>
        <source>Time lapse custom value</source>
        <translation>Valore personalizzato del time lapse</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Records sound with the video</source>
        <translation>Registra l&apos;audio insieme al video</translation>
    </message>
    <message>
        <source>Clip length</source>
        <translation>Durata clip</translation>
    </message>
    <message>
        <source>The length of each video file; loop recording allows 3 or 5 minutes</source>
        <translation>La durata di ogni file video; la registrazione in loop consente 3 o 5 minuti</translation>
    </message>
    <message>
        <source>Loop recording</source>
        <translation>Registrazione in loop</translation>
    </message>
    <message>
        <source>When the card is full, the oldest clip is overwritten</source>
        <translation>Quando la scheda è piena, la clip più vecchia viene sovrascritta</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientamento</translation>
    </message>
    <message>
        <source>Rotated 180° for a camera mounted upside down</source>
        <translation>Ruotato di 180° per una videocamera montata capovolta</translation>
    </message>
    <message>
        <source>Time stamp</source>
        <translation>Timbro data/ora</translation>
    </message>
    <message>
        <source>Prints the date and time into the picture</source>
        <translation>Sovrimprime data e ora sull&apos;immagine</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualità</translation>
    </message>
    <message>
        <source>Higher quality records more data per second</source>
        <translation>Una qualità più alta registra più dati al secondo</translation>
    </message>
    <message>
        <source>High dynamic range</source>
        <translation>Gamma dinamica estesa</translation>
    </message>
    <message>
        <source>Evens out bright and dark parts of the picture</source>
        <translation>Bilancia le zone chiare e scure dell&apos;immagine</translation>
    </message>
    <message>
        <source>File format</source>
        <translation>Formato file</translation>
    </message>
    <message>
        <source>The kind of file the video is recorded into</source>
        <translation>Il tipo di file in cui viene registrato il video</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Formato data</translation>
    </message>
    <message>
        <source>The order of year, month and day in the date line</source>
        <translation>L&apos;ordine di anno, mese e giorno nella riga della data</translation>
    </message>
    <message>
        <source>Camera clock</source>
        <translation>Orologio della videocamera</translation>
    </message>
    <message>
        <source>Whether a save sets the camera&apos;s clock to this computer&apos;s time</source>
        <translation>Se il salvataggio imposta l&apos;orologio della videocamera sull&apos;ora di questo computer</translation>
    </message>
    <message>
        <source>Start mode</source>
        <translation>Modalità all&apos;avvio</translation>
    </message>
    <message>
        <source>The mode the camera is in after switching on</source>
        <translation>La modalità in cui si trova la videocamera dopo l&apos;accensione</translation>
    </message>
    <message>
        <source>Photo size</source>
        <translation>Dimensione foto</translation>
    </message>
    <message>
        <source>The size of each photo</source>
        <translation>La dimensione di ogni foto</translation>
    </message>
    <message>
        <source>Takes one photo per interval; Off takes single photos</source>
        <translation>Scatta una foto per intervallo; Disattivato scatta foto singole</translation>
    </message>
    <message>
        <source>Prints the date and time into the photo</source>
        <translation>Sovrimprime data e ora sulla foto</translation>
    </message>
    <message>
        <source>Power-on delay</source>
        <translation>Ritardo di accensione</translation>
    </message>
    <message>
        <source>How long the camera waits after power comes on</source>
        <translation>Quanto attende la videocamera dopo l&apos;arrivo dell&apos;alimentazione</translation>
    </message>
    <message>
        <source>Auto off</source>
        <translation>Spegnimento automatico</translation>
    </message>
    <message>
        <source>Switches off after this time without use</source>
        <translation>Si spegne dopo questo tempo di inattività</translation>
    </message>
    <message>
        <source>Record on external power</source>
        <translation>Registra con alimentazione esterna</translation>
    </message>
    <message>
        <source>Starts recording as soon as the camera gets external power</source>
        <translation>Avvia la registrazione appena la videocamera riceve alimentazione esterna</translation>
    </message>
    <message>
        <source>Record at power button</source>
        <translation>Registra con il pulsante di accensione</translation>
    </message>
    <message>
        <source>Starts recording when the power button switches the camera on</source>
        <translation>Avvia la registrazione quando il pulsante di accensione accende la videocamera</translation>
    </message>
    <message>
        <source>Off when unplugged</source>
        <translation>Spegni allo scollegamento</translation>
    </message>
    <message>
        <source>Switches off when external power is disconnected</source>
        <translation>Si spegne quando l&apos;alimentazione esterna viene scollegata</translation>
    </message>
    <message>
        <source>Recording light</source>
        <translation>Spia di registrazione</translation>
    </message>
    <message>
        <source>The light that shows the camera is recording</source>
        <translation>La spia che indica che la videocamera sta registrando</translation>
    </message>
    <message>
        <source>USB charging</source>
        <translation>Ricarica USB</translation>
    </message>
    <message>
        <source>Charges from a computer&apos;s USB port</source>
        <translation>Si ricarica dalla porta USB di un computer</translation>
    </message>
    <message>
        <source>Lens</source>
        <translation>Obiettivo</translation>
    </message>
    <message>
        <source>The lens fitted to the camera, so that the picture is corrected for it</source>
        <translation>L&apos;obiettivo montato sulla videocamera, perché l&apos;immagine venga corretta di conseguenza</translation>
    </message>
    <message>
        <source>Light frequency</source>
        <translation>Frequenza della luce</translation>
    </message>
    <message>
        <source>The mains frequency, against flicker under artificial light</source>
        <translation>La frequenza della rete elettrica, contro lo sfarfallio sotto luce artificiale</translation>
    </message>
    <message>
        <source>USB mode</source>
        <translation>Modalità USB</translation>
    </message>
    <message>
        <source>What the camera is when plugged into a computer</source>
        <translation>Come si presenta la videocamera quando è collegata a un computer</translation>
    </message>
    <message>
        <source>Web camera orientation</source>
        <translation>Orientamento webcam</translation>
    </message>
    <message>
        <source>Rotated 180° for a web camera mounted upside down</source>
        <translation>Ruotato di 180° per una webcam montata capovolta</translation>
    </message>
    <message>
        <source>TV system</source>
        <translation>Sistema TV</translation>
    </message>
    <message>
        <source>The TV standard of the video output</source>
        <translation>Lo standard TV dell&apos;uscita video</translation>
    </message>
    <message>
        <source>TV aspect ratio</source>
        <translation>Proporzioni TV</translation>
    </message>
    <message>
        <source>The shape of the picture on a TV</source>
        <translation>La forma dell&apos;immagine su un televisore</translation>
    </message>
    <message>
        <source>Card format</source>
        <translation>Formato scheda</translation>
    </message>
    <message>
        <source>The file system the camera formats its card with; firmware 2.18 and later</source>
        <translation>Il file system con cui la videocamera formatta la scheda; firmware 2.18 e successivi</translation>
    </message>
    <message>
        <source>Motion detection</source>
        <translation>Rilevamento movimento</translation>
    </message>
    <message>
        <source>Records when something moves</source>
        <translation>Registra quando qualcosa si muove</translation>
    </message>
    <message>
        <source>Motion timeout</source>
        <translation>Timeout movimento</translation>
    </message>
    <message>
        <source>Stops recording this long after the motion ends</source>
        <translation>Interrompe la registrazione dopo questo tempo dalla fine del movimento</translation>
    </message>
    <message>
        <source>Motion sensitivity</source>
        <translation>Sensibilità al movimento</translation>
    </message>
    <message>
        <source>How little movement starts a recording</source>
        <translation>Quanto poco movimento basta per avviare una registrazione</translation>
    </message>
    <message>
        <source>White balance</source>
        <translation>Bilanciamento del bianco</translation>
    </message>
    <message>
        <source>Colour correction for the light; Custom 1 to 3 use their own gains</source>
        <translation>Correzione del colore in base alla luce; Personalizzato 1, 2 e 3 usano guadagni propri</translation>
    </message>
    <message>
        <source>Colour effect</source>
        <translation>Effetto colore</translation>
    </message>
    <message>
        <source>Pictures in colour, in black and white, or in sepia</source>
        <translation>Immagini a colori, in bianco e nero o in seppia</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Esposizione</translation>
    </message>
    <message>
        <source>Brighter to the right, darker to the left</source>
        <translation>Più chiaro verso destra, più scuro verso sinistra</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contrasto</translation>
    </message>
    <message>
        <source>Stronger contrast to the right</source>
        <translation>Contrasto più forte verso destra</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturazione</translation>
    </message>
    <message>
        <source>Stronger colours to the right</source>
        <translation>Colori più intensi verso destra</translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation>Nitidezza</translation>
    </message>
    <message>
        <source>Sharper edges to the right</source>
        <translation>Contorni più nitidi verso destra</translation>
    </message>
    <message>
        <source>Red gain</source>
        <translation>Guadagno rosso</translation>
    </message>
    <message>
        <source>Green gain</source>
        <translation>Guadagno verde</translation>
    </message>
    <message>
        <source>Blue gain</source>
        <translation>Guadagno blu</translation>
    </message>
    <message>
        <source>The red gain of this custom white balance, 100 to 999</source>
        <translation>Il guadagno del rosso di questo bilanciamento del bianco personalizzato, da 100 a 999</translation>
    </message>
    <message>
        <source>The green gain of this custom white balance, 100 to 999</source>
        <translation>Il guadagno del verde di questo bilanciamento del bianco personalizzato, da 100 a 999</translation>
    </message>
    <message>
        <source>The blue gain of this custom white balance, 100 to 999</source>
        <translation>Il guadagno del blu di questo bilanciamento del bianco personalizzato, da 100 a 999</translation>
    </message>
    <message>
        <source>Starts recording when the camera gets external power, when its power button switches it on, or both</source>
        <translation>Avvia la registrazione quando la videocamera riceve alimentazione esterna, quando il pulsante di accensione la accende, o in entrambi i casi</translation>
    </message>
    <message>
        <source>Field of view</source>
        <translation>Campo visivo</translation>
    </message>
    <message>
        <source>Wide or narrow picture</source>
        <translation>Immagine ampia o stretta</translation>
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
        <translation>nessun identificativo di videocamera, quindi non è un file di configurazione della videocamera</translation>
    </message>
    <message>
        <source>Loaded %1</source>
        <translation>Caricato: %1</translation>
    </message>
    <message>
        <source>Not loaded: %1: %2</source>
        <translation>Non caricato: %1: %2</translation>
    </message>
    <message>
        <source> Save still writes %1.</source>
        <translation> Salva scrive ancora su %1.</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Salvato: %1</translation>
    </message>
    <message>
        <source>Not saved: %1: %2; the file is as it was</source>
        <translation>Non salvato: %1: %2; il file è rimasto com&apos;era</translation>
    </message>
    <message>
        <source>the card is full</source>
        <translation>la scheda è piena</translation>
    </message>
    <message>
        <source>the file would be larger than this system allows</source>
        <translation>il file supererebbe la dimensione consentita da questo sistema</translation>
    </message>
    <message>
        <source>the card is write-protected</source>
        <translation>la scheda è protetta da scrittura</translation>
    </message>
    <message>
        <source>you may not write this file</source>
        <translation>non hai il permesso di scrivere questo file</translation>
    </message>
    <message>
        <source>the card was removed or cannot be reached</source>
        <translation>la scheda è stata rimossa o non è raggiungibile</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>non è stato possibile scrivere il file</translation>
    </message>
    <message>
        <source>%1: %2 does not record at %3</source>
        <translation>%1: con %2 non si registra a %3</translation>
    </message>
    <message>
        <source>%1: %2 lowered to %3 because %4 is on; Save writes it</source>
        <translation>%1: %2 ridotta a %3 perché è attiva la %4; Salva la scrive nel file</translation>
    </message>
    <message>
        <source>. </source>
        <translation>. </translation>
    </message>
    <message>
        <source>Not saved: %1 is in use by another program; try again in a moment</source>
        <translation>Non salvato: %1 è in uso da parte di un altro programma; riprova tra un momento</translation>
    </message>
    <message>
        <source>Not saved: the card holding %1 is not answering; what it holds now is unknown. Take it out and put it in again, then Save</source>
        <translation>Non salvato: la scheda che contiene %1 non risponde; il suo contenuto attuale è sconosciuto. Estraila e reinseriscila, poi premi Salva</translation>
    </message>
    <message>
        <source>Not saved: %1 is now another camera&apos;s file (%2); these settings stay in the window</source>
        <translation>Non salvato: %1 è ora il file di un&apos;altra videocamera (%2); queste impostazioni restano nella finestra</translation>
    </message>
    <message>
        <source>no camera identifiers</source>
        <translation>nessun identificativo di videocamera</translation>
    </message>
    <message>
        <source>%1 was changed %2by another program.</source>
        <translation>%1 è stato modificato %2da un altro programma.</translation>
    </message>
    <message>
        <source>on the card </source>
        <translation>sulla scheda </translation>
    </message>
    <message>
        <source>%1 was deleted %2by another program.</source>
        <translation>%1 è stato eliminato %2da un altro programma.</translation>
    </message>
    <message>
        <source>from the card </source>
        <translation>dalla scheda </translation>
    </message>
    <message>
        <source>The card %1 was removed: Save cannot write %2 until it is back</source>
        <translation>La scheda %1 è stata rimossa: Salva non può scrivere %2 finché non viene reinserita</translation>
    </message>
    <message>
        <source>The card %1 is back: Save writes %2 again</source>
        <translation>La scheda %1 è di nuovo presente: Salva scrive di nuovo %2</translation>
    </message>
    <message>
        <source>clip length</source>
        <translation>durata clip</translation>
    </message>
    <message>
        <source>loop recording</source>
        <translation>registrazione in loop</translation>
    </message>
</context>
</TS>
