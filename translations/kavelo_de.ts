<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Alerts</name>
    <message>
        <source>Configuration file loaded successfully! 
Change the configuration than pres the Save button</source>
        <translation>Konfigurationsdatei erfolgreich geladen! 
Ändern Sie die Einstellungen und klicken Sie dann auf „Speichern“.</translation>
    </message>
    <message>
        <source>Error when trying to detect the type of file!</source>
        <translation>Fehler beim Erkennen des Dateityps!</translation>
    </message>
    <message>
        <source>Unknown file format!</source>
        <translation>Unbekanntes Dateiformat!</translation>
    </message>
    <message>
        <source>File path too long!</source>
        <translation>Dateipfad zu lang!</translation>
    </message>
    <message>
        <source>Configuration file saved successfully! 
Safely remove your camera and load the new configuration</source>
        <translation>Konfigurationsdatei erfolgreich gespeichert! 
Entfernen Sie die Kamera sicher und laden Sie die neue Konfiguration.</translation>
    </message>
    <message>
        <source>Configuration file NOT saved! 
Problem during file writing!</source>
        <translation>Konfigurationsdatei NICHT gespeichert! 
Fehler beim Schreiben der Datei!</translation>
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
        <translation>, nicht unterstützt</translation>
    </message>
    <message>
        <source> (open now)</source>
        <translation> (jetzt geöffnet)</translation>
    </message>
    <message>
        <source>Apply to Connected Cameras</source>
        <translation>Auf verbundene Kameras anwenden</translation>
    </message>
    <message>
        <source>The settings shown in the window are saved into each camera you tick. Each camera keeps its own identification, and each file is read back and checked after its save.</source>
        <translation>Die im Fenster angezeigten Einstellungen werden in jeder angehakten Kamera gespeichert. Jede Kamera behält ihre eigene Kennung, und jede Datei wird nach dem Speichern zurückgelesen und geprüft.</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Anwenden</translation>
    </message>
</context>
<context>
    <name>CameraCopyRun</name>
    <message>
        <source>saved and checked</source>
        <translation>gespeichert und geprüft</translation>
    </message>
    <message>
        <source>not checked: the file read back holds other settings</source>
        <translation>nicht bestätigt: Die zurückgelesene Datei enthält andere Einstellungen</translation>
    </message>
    <message>
        <source>not saved: %1</source>
        <translation>nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>not saved: another program is using its file</source>
        <translation>nicht gespeichert: Ein anderes Programm verwendet ihre Datei</translation>
    </message>
    <message>
        <source>not saved: its file cannot be read (%1)</source>
        <translation>nicht gespeichert: Ihre Datei kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>refused: %1</source>
        <translation>abgelehnt: %1</translation>
    </message>
    <message>
        <source>not tried</source>
        <translation>nicht versucht</translation>
    </message>
    <message>
        <source>not saved: the card is not answering; what it holds now is unknown</source>
        <translation>nicht gespeichert: Die Karte antwortet nicht; ihr jetziger Inhalt ist unbekannt</translation>
    </message>
</context>
<context>
    <name>CameraMonitor</name>
    <message>
        <source>Cannot mount %1: mounting a card needs the desktop&apos;s storage service (UDisks2), which is not running</source>
        <translation>%1 kann nicht eingehängt werden: Zum Einhängen einer Karte wird der Speicherdienst der Arbeitsumgebung (UDisks2) benötigt, der nicht läuft</translation>
    </message>
    <message>
        <source>Cannot eject %1: ejecting a card needs the desktop&apos;s storage service (UDisks2), which is not running</source>
        <translation>%1 kann nicht ausgeworfen werden: Zum Auswerfen einer Karte wird der Speicherdienst der Arbeitsumgebung (UDisks2) benötigt, der nicht läuft</translation>
    </message>
    <message>
        <source>it is still in use; close what uses it and try again</source>
        <translation>der Datenträger wird noch verwendet; schließen Sie, was darauf zugreift, und versuchen Sie es erneut</translation>
    </message>
    <message>
        <source>the desktop&apos;s policy does not allow it</source>
        <translation>die Richtlinien der Arbeitsumgebung erlauben es nicht</translation>
    </message>
    <message>
        <source>it is not mounted</source>
        <translation>der Datenträger ist nicht eingehängt</translation>
    </message>
    <message>
        <source>the storage service did not answer</source>
        <translation>der Speicherdienst hat nicht geantwortet</translation>
    </message>
    <message>
        <source>Could not mount %1: %2</source>
        <translation>%1 konnte nicht eingehängt werden: %2</translation>
    </message>
    <message>
        <source>%1 is mounted at %2, but %3</source>
        <translation>%1 ist unter %2 eingehängt, aber %3</translation>
    </message>
    <message>
        <source>holds no camera configuration file</source>
        <translation>enthält keine Konfigurationsdatei einer Kamera</translation>
    </message>
    <message>
        <source>is not answering</source>
        <translation>antwortet nicht</translation>
    </message>
    <message>
        <source>Could not eject %1: %2</source>
        <translation>%1 konnte nicht ausgeworfen werden: %2</translation>
    </message>
    <message>
        <source>%1 is unmounted and may be removed, but its drive could not be powered off: %2</source>
        <translation>%1 ist ausgehängt und kann entfernt werden, aber das Laufwerk konnte nicht ausgeschaltet werden: %2</translation>
    </message>
</context>
<context>
    <name>ConfigDocument</name>
    <message>
        <source>%1 (removed)</source>
        <translation>%1 (entfernt)</translation>
    </message>
</context>
<context>
    <name>CopyResultsDialog</name>
    <message>
        <source>Saved and checked on 1 camera</source>
        <translation>Auf 1 Kamera gespeichert und geprüft</translation>
    </message>
    <message>
        <source>Not saved on 1 camera</source>
        <translation>Auf 1 Kamera nicht gespeichert</translation>
    </message>
    <message>
        <source>Saved and checked on %1 of %2 cameras</source>
        <translation>Auf %1 von %2 Kameras gespeichert und geprüft</translation>
    </message>
    <message>
        <source>Apply to Connected Cameras</source>
        <translation>Auf verbundene Kameras anwenden</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>&amp;Eject All</source>
        <translation>&amp;Alle auswerfen</translation>
    </message>
    <message>
        <source>Unmount and power off the cameras saved, so that they can be removed</source>
        <translation>Die gespeicherten Kameras aushängen und ausschalten, damit sie entfernt werden können</translation>
    </message>
</context>
<context>
    <name>HelpWindows</name>
    <message>
        <source>Kavelo Manager Help</source>
        <translation>Hilfe zu Kavelo Manager</translation>
    </message>
    <message>
        <source>About Kavelo Manager</source>
        <translation>Über Kavelo Manager</translation>
    </message>
    <message>
        <source>Edits the configuration file of a Kavelo video camera: open the CONFIG.TXT on its memory card, change its settings, save it back.</source>
        <translation>Bearbeitet die Konfigurationsdatei einer Kavelo-Videokamera: Öffnen Sie die CONFIG.TXT auf ihrer Speicherkarte, ändern Sie die Einstellungen und speichern Sie die Datei zurück.</translation>
    </message>
</context>
<context>
    <name>LoadMessages</name>
    <message>
        <source>Camera revision not supported! 
Actually supported only revision v00%1</source>
        <translation>Kamerarevision nicht unterstützt! 
Derzeit wird nur Revision v00%1 unterstützt</translation>
    </message>
    <message>
        <source>Camera firmware too old! 
Supported from version %1 to %2</source>
        <translation>Kamera-Firmware zu alt! 
Unterstützt werden die Versionen %1 bis %2</translation>
    </message>
    <message>
        <source>Unknown file format!</source>
        <translation>Unbekanntes Dateiformat!</translation>
    </message>
    <message>
        <source>Firmware v%1 not supported!
Kavelo Manager needs to be updated! 
Supported from version %2 to %3</source>
        <translation>Firmware v%1 wird nicht unterstützt!
Kavelo Manager muss aktualisiert werden! 
Unterstützt werden die Versionen %2 bis %3</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>larger than %1 bytes, so no camera configuration file</source>
        <translation>größer als %1 Byte, also keine Konfigurationsdatei einer Kamera</translation>
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
        <translation>Ziehen Sie die Datei CONFIG.TXT von der Kamera auf diesen Bereich, um sie zu laden</translation>
    </message>
    <message>
        <source>Drop the camera&apos;s
CONFIG.TXT here</source>
        <translation>CONFIG.TXT der Kamera
hier ablegen</translation>
    </message>
    <message>
        <source>Configuration file</source>
        <translation>Konfigurationsdatei</translation>
    </message>
    <message>
        <source>Connect the camera or open its CONFIG.TXT</source>
        <translation>Schließen Sie die Kamera an oder öffnen Sie ihre CONFIG.TXT</translation>
    </message>
    <message>
        <source>Load…</source>
        <translation>Laden…</translation>
    </message>
    <message>
        <source>Open the camera&apos;s CONFIG.TXT</source>
        <translation>Die CONFIG.TXT der Kamera öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Write the settings back into the loaded file</source>
        <translation>Die Einstellungen in die geladene Datei zurückschreiben</translation>
    </message>
    <message>
        <source>Set defaults</source>
        <translation>Standardwerte setzen</translation>
    </message>
    <message>
        <source>Put every setting back to its default; the file changes when you save</source>
        <translation>Alle Einstellungen auf ihre Standardwerte zurücksetzen; die Datei ändert sich erst beim Speichern</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Video modes</source>
        <translation>Videomodi</translation>
    </message>
    <message>
        <source>Video mode 1</source>
        <translation>Videomodus 1</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Video mode 2</source>
        <translation>Videomodus 2</translation>
    </message>
    <message>
        <source>60 and 50 fps record only at 1280x720 wide and 848x480: choosing one of them at another resolution switches to 1280x720 wide, and choosing 1920x1080 or 1280x720 narrow at 60 or 50 fps switches to 30 fps. While loop recording is on, clips are 3 or 5 minutes long.</source>
        <translation>Mit 60 und 50 fps wird nur in 1280x720 weit und 848x480 aufgenommen: Wird eine dieser Bildraten bei einer anderen Auflösung gewählt, wechselt die Auflösung zu 1280x720 weit, und wird bei 60 oder 50 fps 1920x1080 oder 1280x720 eng gewählt, wechselt die Bildrate zu 30 fps. Solange die Loop-Aufnahme eingeschaltet ist, sind Clips 3 oder 5 Minuten lang.</translation>
    </message>
    <message>
        <source>Photo, picture and clock</source>
        <translation>Foto, Bild und Uhr</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Date and clock</source>
        <translation>Datum und Uhr</translation>
    </message>
    <message>
        <source>The computer&apos;s time is written into the file when you save, and the camera takes it on when it loads the file.</source>
        <translation>Beim Speichern wird die Uhrzeit des Computers in die Datei geschrieben, und die Kamera übernimmt sie, wenn sie die Datei lädt.</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Custom gains:</source>
        <translation>Farbverstärkungen:</translation>
    </message>
    <message>
        <source>The gains of the chosen custom white balance</source>
        <translation>Die Farbverstärkungen des gewählten benutzerdefinierten Weißabgleichs</translation>
    </message>
    <message>
        <source>The gains belong to the custom white balance chosen above and can be edited only while one of Custom 1 to 3 is chosen: 100 to 999, press Return to apply.</source>
        <translation>Die Verstärkungen gehören zum oben gewählten benutzerdefinierten Weißabgleich und lassen sich nur bearbeiten, solange Benutzer 1, 2 oder 3 gewählt ist: 100 bis 999, mit der Eingabetaste übernehmen.</translation>
    </message>
    <message>
        <source>Camera and power</source>
        <translation>Kamera und Stromversorgung</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Stromversorgung</translation>
    </message>
    <message>
        <source>Start recording:</source>
        <translation>Aufnahme starten:</translation>
    </message>
    <message>
        <source>Starts recording as soon as the camera gets power</source>
        <translation>Startet die Aufnahme, sobald die Kamera Strom erhält</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>When external power is connected</source>
        <translation>Bei externer Stromversorgung</translation>
    </message>
    <message>
        <source>When the power button is pressed</source>
        <translation>Beim Drücken der Ein/Aus-Taste</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Beides</translation>
    </message>
    <message>
        <source>Motion detection</source>
        <translation>Bewegungserkennung</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>TV, web camera and card</source>
        <translation>TV, Webcam und Karte</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Öffnen…</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Save a &amp;Copy…</source>
        <translation>&amp;Kopie speichern…</translation>
    </message>
    <message>
        <source>&amp;Apply Settings From…</source>
        <translation>&amp;Einstellungen übernehmen aus…</translation>
    </message>
    <message>
        <source>Apply &amp;to Connected Cameras…</source>
        <translation>Auf verbundene Kameras &amp;anwenden…</translation>
    </message>
    <message>
        <source>&amp;Revert</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>Kavelo Manager &amp;Help</source>
        <translation>&amp;Hilfe zu Kavelo Manager</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;About Kavelo Manager</source>
        <translation>Ü&amp;ber Kavelo Manager</translation>
    </message>
    <message>
        <source>&amp;Eject camera</source>
        <translation>Kamera aus&amp;werfen</translation>
    </message>
    <message>
        <source>Quit; asks first when there are unsaved changes</source>
        <translation>Beenden; fragt vorher, wenn es ungespeicherte Änderungen gibt</translation>
    </message>
</context>
<context>
    <name>MyAppDelegate</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Saved a copy as %1</source>
        <translation>Kopie gespeichert als %1</translation>
    </message>
    <message>
        <source>Revert to %1 as the card holds it?</source>
        <translation>%1 auf den Stand auf der Karte zurücksetzen?</translation>
    </message>
    <message>
        <source>Your changes since it was opened or saved are lost.</source>
        <translation>Ihre Änderungen seit dem Öffnen oder Speichern gehen verloren.</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Apply Settings From</source>
        <translation>Einstellungen übernehmen aus</translation>
    </message>
    <message>
        <source>Took the settings of %1: %2 changed</source>
        <translation>Einstellungen von %1 übernommen: %2 geändert</translation>
    </message>
    <message>
        <source>1 setting</source>
        <translation>1 Einstellung</translation>
    </message>
    <message>
        <source>%1 settings</source>
        <translation>%1 Einstellungen</translation>
    </message>
    <message>
        <source>Ejecting a card needs the desktop&apos;s storage service (UDisks2), which is not running</source>
        <translation>Zum Auswerfen einer Karte wird der Speicherdienst der Arbeitsumgebung (UDisks2) benötigt, der nicht läuft</translation>
    </message>
    <message>
        <source>Eject</source>
        <translation>Auswerfen</translation>
    </message>
    <message>
        <source>Unmount the card and power it off, so that it can be removed</source>
        <translation>Die Karte aushängen und ausschalten, damit sie entfernt werden kann</translation>
    </message>
    <message>
        <source>%1 can be removed now</source>
        <translation>%1 kann jetzt entfernt werden</translation>
    </message>
    <message>
        <source>Camera %1 connected</source>
        <translation>Kamera %1 verbunden</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Card %1 is not mounted</source>
        <translation>Karte %1 ist nicht eingehängt</translation>
    </message>
    <message>
        <source>Mount and open</source>
        <translation>Einhängen und öffnen</translation>
    </message>
    <message>
        <source>Card %1 is not answering</source>
        <translation>Karte %1 antwortet nicht</translation>
    </message>
    <message>
        <source>Keep my settings</source>
        <translation>Meine Einstellungen behalten</translation>
    </message>
    <message>
        <source>No camera to eject: open its file first, or plug in only one</source>
        <translation>Keine Kamera zum Auswerfen: Öffnen Sie zuerst ihre Datei, oder schließen Sie nur eine an</translation>
    </message>
    <message>
        <source>Ejecting %1…</source>
        <translation>%1 wird ausgeworfen…</translation>
    </message>
    <message>
        <source>Applying the settings…</source>
        <translation>Einstellungen werden angewendet…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Apply to Connected Cameras</source>
        <translation>Auf verbundene Kameras anwenden</translation>
    </message>
    <message>
        <source>Saving %1…</source>
        <translation>%1 wird gespeichert…</translation>
    </message>
    <message>
        <source>not saved: </source>
        <translation>nicht gespeichert: </translation>
    </message>
    <message>
        <source>saved and checked</source>
        <translation>gespeichert und geprüft</translation>
    </message>
    <message>
        <source>not checked: the file read back holds other settings</source>
        <translation>nicht bestätigt: Die zurückgelesene Datei enthält andere Einstellungen</translation>
    </message>
    <message>
        <source>another program changed its file since it was opened; Save asks what to do</source>
        <translation>ein anderes Programm hat ihre Datei seit dem Öffnen geändert; „Speichern“ fragt nach, was geschehen soll</translation>
    </message>
    <message>
        <source>its file was deleted since it was opened; Save asks what to do</source>
        <translation>ihre Datei wurde seit dem Öffnen gelöscht; „Speichern“ fragt nach, was geschehen soll</translation>
    </message>
    <message>
        <source>another camera&apos;s file is there now</source>
        <translation>dort liegt jetzt die Datei einer anderen Kamera</translation>
    </message>
    <message>
        <source>another program is using its file</source>
        <translation>ein anderes Programm verwendet ihre Datei</translation>
    </message>
    <message>
        <source>the card is not answering; what it holds now is unknown</source>
        <translation>die Karte antwortet nicht; ihr jetziger Inhalt ist unbekannt</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>Möchten Sie die Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>The settings in the window differ from the file. Your changes are lost if you don&apos;t save them.</source>
        <translation>Die Einstellungen im Fenster weichen von der Datei ab. Ihre Änderungen gehen verloren, wenn Sie sie nicht speichern.</translation>
    </message>
    <message>
        <source>Firmware info: </source>
        <translation>Firmware-Info: </translation>
    </message>
    <message>
        <source>Revision info: </source>
        <translation>Revisions-Info: </translation>
    </message>
    <message>
        <source>	 Camera time:</source>
        <translation>	 Kamerazeit:</translation>
    </message>
    <message>
        <source>. </source>
        <translation>. </translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>Open That Camera&apos;s File</source>
        <translation>Datei dieser Kamera öffnen</translation>
    </message>
    <message>
        <source>%1 was deleted since it was opened.</source>
        <translation>%1 wurde seit dem Öffnen gelöscht.</translation>
    </message>
    <message>
        <source>Save makes it again with the settings in this window.</source>
        <translation>„Speichern“ legt sie mit den Einstellungen in diesem Fenster neu an.</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened.</source>
        <translation>%1 wurde seit dem Öffnen von einem anderen Programm geändert.</translation>
    </message>
    <message>
        <source>Overwrite replaces that change with the settings in this window. Reload shows what the file holds now; your changes are lost.</source>
        <translation>„Überschreiben“ ersetzt diese Änderung durch die Einstellungen in diesem Fenster. „Neu laden“ zeigt, was die Datei jetzt enthält; Ihre Änderungen gehen dabei verloren.</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <source>There is no room on the card for the safety copy that a save writes first.</source>
        <translation>Auf der Karte ist kein Platz für die Sicherheitskopie, die beim Speichern zuerst geschrieben wird.</translation>
    </message>
    <message>
        <source>The new settings fit in the space %1 already takes, so they can be written over it directly. If the card is pulled out or the camera loses power in those milliseconds, %1 may be left damaged.</source>
        <translation>Die neuen Einstellungen passen in den Platz, den %1 bereits belegt, und können daher direkt darüber geschrieben werden. Wird die Karte in diesen Millisekunden herausgezogen oder verliert die Kamera die Stromversorgung, kann %1 beschädigt zurückbleiben.</translation>
    </message>
    <message>
        <source>Write in Place</source>
        <translation>Direkt überschreiben</translation>
    </message>
</context>
<context>
    <name>NoticeBar</name>
    <message>
        <source>Notice</source>
        <translation>Hinweis</translation>
    </message>
</context>
<context>
    <name>OpenPanel</name>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>Text files (*.[tT][xX][tT])</source>
        <translation>Textdateien (*.[tT][xX][tT])</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Open camera configuration</source>
        <translation>Kamerakonfiguration öffnen</translation>
    </message>
    <message>
        <source>Save a copy of the settings</source>
        <translation>Kopie der Einstellungen speichern</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Video mode 1</source>
        <translation>Videomodus 1</translation>
    </message>
    <message>
        <source>Video mode 2</source>
        <translation>Videomodus 2</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>Weit</translation>
    </message>
    <message>
        <source>Narrow</source>
        <translation>Eng</translation>
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
        <translation>Aus</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Rotated 180°</source>
        <translation>Um 180° gedreht</translation>
    </message>
    <message>
        <source>Year/Month/Day</source>
        <translation>Jahr/Monat/Tag</translation>
    </message>
    <message>
        <source>Day/Month/Year</source>
        <translation>Tag/Monat/Jahr</translation>
    </message>
    <message>
        <source>Month/Day/Year</source>
        <translation>Monat/Tag/Jahr</translation>
    </message>
    <message>
        <source>Keep the camera&apos;s clock</source>
        <translation>Uhrzeit der Kamera beibehalten</translation>
    </message>
    <message>
        <source>Set the clock from this computer</source>
        <translation>Uhrzeit dieses Computers übernehmen</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>1920x1080 narrow</source>
        <translation>1920x1080 eng</translation>
    </message>
    <message>
        <source>1920x1080 wide</source>
        <translation>1920x1080 weit</translation>
    </message>
    <message>
        <source>1280x720 narrow</source>
        <translation>1280x720 eng</translation>
    </message>
    <message>
        <source>1280x720 wide</source>
        <translation>1280x720 weit</translation>
    </message>
    <message>
        <source>848x480 narrow</source>
        <translation>848x480 eng</translation>
    </message>
    <message>
        <source>848x480 wide</source>
        <translation>848x480 weit</translation>
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
        <translation>Max.</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoch</translation>
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
        <translation>Keine</translation>
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
        <translation>Nie</translation>
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
        <translation>Weitwinkel</translation>
    </message>
    <message>
        <source>Fisheye</source>
        <translation>Fischauge</translation>
    </message>
    <message>
        <source>Mass storage</source>
        <translation>Massenspeicher</translation>
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
        <translation>Tageslicht</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>Bewölkt</translation>
    </message>
    <message>
        <source>Tungsten</source>
        <translation>Glühlampe</translation>
    </message>
    <message>
        <source>Fluorescent</source>
        <translation>Leuchtstofflampe</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Benutzer 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Benutzer 2</translation>
    </message>
    <message>
        <source>Custom 3</source>
        <translation>Benutzer 3</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>Schwarzweiß</translation>
    </message>
    <message>
        <source>Sepia</source>
        <translation>Sepia</translation>
    </message>
    <message>
        <source>No control changes it; it is kept as the file has it</source>
        <translation>Kein Bedienelement ändert diesen Wert; er bleibt so, wie er in der Datei steht</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Auflösung</translation>
    </message>
    <message>
        <source>The picture size of the video and, in its lowest bit, the field of view</source>
        <translation>Die Bildgröße des Videos und, in ihrem niedrigsten Bit, das Sichtfeld</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>Bildrate</translation>
    </message>
    <message>
        <source>Pictures per second; 60 and 50 fps record at 1280x720 wide and 848x480 only</source>
        <translation>Bilder pro Sekunde; mit 60 und 50 fps wird nur in 1280x720 weit und 848x480 aufgenommen</translation>
    </message>
    <message>
        <source>Time lapse</source>
        <translation>Zeitraffer</translation>
    </message>
    <message>
        <source>Records one frame per interval; Off records normally</source>
        <translation>Nimmt ein Bild pro Intervall auf; bei „Aus“ wird normal aufgenommen</translation>
    </message>
    <message>
        <source>Time lapse custom value</source>
        <translation>Benutzerdefinierter Zeitrafferwert</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Records sound with the video</source>
        <translation>Nimmt den Ton mit dem Video auf</translation>
    </message>
    <message>
        <source>Clip length</source>
        <translation>Cliplänge</translation>
    </message>
    <message>
        <source>The length of each video file; loop recording allows 3 or 5 minutes</source>
        <translation>Die Länge jeder Videodatei; bei Loop-Aufnahme sind 3 oder 5 Minuten möglich</translation>
    </message>
    <message>
        <source>Loop recording</source>
        <translation>Loop-Aufnahme</translation>
    </message>
    <message>
        <source>When the card is full, the oldest clip is overwritten</source>
        <translation>Ist die Karte voll, wird der älteste Clip überschrieben</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>Rotated 180° for a camera mounted upside down</source>
        <translation>Um 180° gedreht für eine kopfüber montierte Kamera</translation>
    </message>
    <message>
        <source>Time stamp</source>
        <translation>Zeitstempel</translation>
    </message>
    <message>
        <source>Prints the date and time into the picture</source>
        <translation>Blendet Datum und Uhrzeit ins Bild ein</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualität</translation>
    </message>
    <message>
        <source>Higher quality records more data per second</source>
        <translation>Höhere Qualität zeichnet mehr Daten pro Sekunde auf</translation>
    </message>
    <message>
        <source>High dynamic range</source>
        <translation>Hoher Dynamikumfang</translation>
    </message>
    <message>
        <source>Evens out bright and dark parts of the picture</source>
        <translation>Gleicht helle und dunkle Bildbereiche aus</translation>
    </message>
    <message>
        <source>File format</source>
        <translation>Dateiformat</translation>
    </message>
    <message>
        <source>The kind of file the video is recorded into</source>
        <translation>Die Art der Datei, in die das Video aufgenommen wird</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Datumsformat</translation>
    </message>
    <message>
        <source>The order of year, month and day in the date line</source>
        <translation>Die Reihenfolge von Jahr, Monat und Tag in der Datumszeile</translation>
    </message>
    <message>
        <source>Camera clock</source>
        <translation>Kamerauhr</translation>
    </message>
    <message>
        <source>Whether a save sets the camera&apos;s clock to this computer&apos;s time</source>
        <translation>Ob beim Speichern die Uhr der Kamera auf die Uhrzeit dieses Computers gestellt wird</translation>
    </message>
    <message>
        <source>Start mode</source>
        <translation>Startmodus</translation>
    </message>
    <message>
        <source>The mode the camera is in after switching on</source>
        <translation>Der Modus, in dem die Kamera nach dem Einschalten ist</translation>
    </message>
    <message>
        <source>Photo size</source>
        <translation>Fotogröße</translation>
    </message>
    <message>
        <source>The size of each photo</source>
        <translation>Die Größe jedes Fotos</translation>
    </message>
    <message>
        <source>Takes one photo per interval; Off takes single photos</source>
        <translation>Nimmt ein Foto pro Intervall auf; bei „Aus“ werden Einzelfotos aufgenommen</translation>
    </message>
    <message>
        <source>Prints the date and time into the photo</source>
        <translation>Blendet Datum und Uhrzeit ins Foto ein</translation>
    </message>
    <message>
        <source>Power-on delay</source>
        <translation>Einschaltverzögerung</translation>
    </message>
    <message>
        <source>How long the camera waits after power comes on</source>
        <translation>Wie lange die Kamera wartet, nachdem sie Strom erhält</translation>
    </message>
    <message>
        <source>Auto off</source>
        <translation>Automatisch aus</translation>
    </message>
    <message>
        <source>Switches off after this time without use</source>
        <translation>Schaltet nach dieser Zeit ohne Benutzung ab</translation>
    </message>
    <message>
        <source>Record on external power</source>
        <translation>Aufnahme bei externer Stromversorgung</translation>
    </message>
    <message>
        <source>Starts recording as soon as the camera gets external power</source>
        <translation>Startet die Aufnahme, sobald die Kamera externen Strom erhält</translation>
    </message>
    <message>
        <source>Record at power button</source>
        <translation>Aufnahme per Ein/Aus-Taste</translation>
    </message>
    <message>
        <source>Starts recording when the power button switches the camera on</source>
        <translation>Startet die Aufnahme, wenn die Kamera mit der Ein/Aus-Taste eingeschaltet wird</translation>
    </message>
    <message>
        <source>Off when unplugged</source>
        <translation>Aus beim Trennen</translation>
    </message>
    <message>
        <source>Switches off when external power is disconnected</source>
        <translation>Schaltet ab, wenn die externe Stromversorgung getrennt wird</translation>
    </message>
    <message>
        <source>Recording light</source>
        <translation>Aufnahmeleuchte</translation>
    </message>
    <message>
        <source>The light that shows the camera is recording</source>
        <translation>Die Leuchte, die anzeigt, dass die Kamera aufnimmt</translation>
    </message>
    <message>
        <source>USB charging</source>
        <translation>Laden über USB</translation>
    </message>
    <message>
        <source>Charges from a computer&apos;s USB port</source>
        <translation>Lädt am USB-Anschluss eines Computers</translation>
    </message>
    <message>
        <source>Lens</source>
        <translation>Objektiv</translation>
    </message>
    <message>
        <source>The lens fitted to the camera, so that the picture is corrected for it</source>
        <translation>Das an der Kamera angebrachte Objektiv, damit das Bild dafür korrigiert wird</translation>
    </message>
    <message>
        <source>Light frequency</source>
        <translation>Lichtfrequenz</translation>
    </message>
    <message>
        <source>The mains frequency, against flicker under artificial light</source>
        <translation>Die Netzfrequenz, gegen Flimmern bei Kunstlicht</translation>
    </message>
    <message>
        <source>USB mode</source>
        <translation>USB-Modus</translation>
    </message>
    <message>
        <source>What the camera is when plugged into a computer</source>
        <translation>Als was die Kamera an einem Computer erscheint</translation>
    </message>
    <message>
        <source>Web camera orientation</source>
        <translation>Webcam-Ausrichtung</translation>
    </message>
    <message>
        <source>Rotated 180° for a web camera mounted upside down</source>
        <translation>Um 180° gedreht für eine kopfüber montierte Webcam</translation>
    </message>
    <message>
        <source>TV system</source>
        <translation>TV-Norm</translation>
    </message>
    <message>
        <source>The TV standard of the video output</source>
        <translation>Die Fernsehnorm des Videoausgangs</translation>
    </message>
    <message>
        <source>TV aspect ratio</source>
        <translation>TV-Seitenverhältnis</translation>
    </message>
    <message>
        <source>The shape of the picture on a TV</source>
        <translation>Die Form des Bildes auf einem Fernseher</translation>
    </message>
    <message>
        <source>Card format</source>
        <translation>Kartenformat</translation>
    </message>
    <message>
        <source>The file system the camera formats its card with; firmware 2.18 and later</source>
        <translation>Das Dateisystem, mit dem die Kamera ihre Karte formatiert; ab Firmware 2.18</translation>
    </message>
    <message>
        <source>Motion detection</source>
        <translation>Bewegungserkennung</translation>
    </message>
    <message>
        <source>Records when something moves</source>
        <translation>Nimmt auf, wenn sich etwas bewegt</translation>
    </message>
    <message>
        <source>Motion timeout</source>
        <translation>Nachlaufzeit</translation>
    </message>
    <message>
        <source>Stops recording this long after the motion ends</source>
        <translation>Beendet die Aufnahme so lange nach dem Ende der Bewegung</translation>
    </message>
    <message>
        <source>Motion sensitivity</source>
        <translation>Bewegungsempfindlichkeit</translation>
    </message>
    <message>
        <source>How little movement starts a recording</source>
        <translation>Wie wenig Bewegung eine Aufnahme startet</translation>
    </message>
    <message>
        <source>White balance</source>
        <translation>Weißabgleich</translation>
    </message>
    <message>
        <source>Colour correction for the light; Custom 1 to 3 use their own gains</source>
        <translation>Farbkorrektur für das Licht; Benutzer 1 bis 3 verwenden eigene Verstärkungen</translation>
    </message>
    <message>
        <source>Colour effect</source>
        <translation>Farbeffekt</translation>
    </message>
    <message>
        <source>Pictures in colour, in black and white, or in sepia</source>
        <translation>Bilder in Farbe, in Schwarzweiß oder in Sepia</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Belichtung</translation>
    </message>
    <message>
        <source>Brighter to the right, darker to the left</source>
        <translation>Nach rechts heller, nach links dunkler</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <source>Stronger contrast to the right</source>
        <translation>Nach rechts stärkerer Kontrast</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Sättigung</translation>
    </message>
    <message>
        <source>Stronger colours to the right</source>
        <translation>Nach rechts kräftigere Farben</translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation>Schärfe</translation>
    </message>
    <message>
        <source>Sharper edges to the right</source>
        <translation>Nach rechts schärfere Kanten</translation>
    </message>
    <message>
        <source>Red gain</source>
        <translation>Rot-Verstärkung</translation>
    </message>
    <message>
        <source>Green gain</source>
        <translation>Grün-Verstärkung</translation>
    </message>
    <message>
        <source>Blue gain</source>
        <translation>Blau-Verstärkung</translation>
    </message>
    <message>
        <source>The red gain of this custom white balance, 100 to 999</source>
        <translation>Die Rot-Verstärkung dieses benutzerdefinierten Weißabgleichs, 100 bis 999</translation>
    </message>
    <message>
        <source>The green gain of this custom white balance, 100 to 999</source>
        <translation>Die Grün-Verstärkung dieses benutzerdefinierten Weißabgleichs, 100 bis 999</translation>
    </message>
    <message>
        <source>The blue gain of this custom white balance, 100 to 999</source>
        <translation>Die Blau-Verstärkung dieses benutzerdefinierten Weißabgleichs, 100 bis 999</translation>
    </message>
    <message>
        <source>Starts recording when the camera gets external power, when its power button switches it on, or both</source>
        <translation>Startet die Aufnahme, wenn die Kamera externe Stromversorgung erhält, wenn ihre Ein/Aus-Taste sie einschaltet, oder in beiden Fällen</translation>
    </message>
    <message>
        <source>Field of view</source>
        <translation>Sichtfeld</translation>
    </message>
    <message>
        <source>Wide or narrow picture</source>
        <translation>Weites oder enges Bild</translation>
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
        <translation>keine Kamerakennungen, also keine Konfigurationsdatei einer Kamera</translation>
    </message>
    <message>
        <source>Loaded %1</source>
        <translation>%1 geladen</translation>
    </message>
    <message>
        <source>Not loaded: %1: %2</source>
        <translation>Nicht geladen: %1: %2</translation>
    </message>
    <message>
        <source> Save still writes %1.</source>
        <translation> „Speichern“ schreibt weiterhin %1.</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 gespeichert</translation>
    </message>
    <message>
        <source>Not saved: %1: %2; the file is as it was</source>
        <translation>Nicht gespeichert: %1: %2; die Datei ist unverändert</translation>
    </message>
    <message>
        <source>the card is full</source>
        <translation>die Karte ist voll</translation>
    </message>
    <message>
        <source>the file would be larger than this system allows</source>
        <translation>die Datei wäre größer, als dieses System erlaubt</translation>
    </message>
    <message>
        <source>the card is write-protected</source>
        <translation>die Karte ist schreibgeschützt</translation>
    </message>
    <message>
        <source>you may not write this file</source>
        <translation>keine Schreibberechtigung für diese Datei</translation>
    </message>
    <message>
        <source>the card was removed or cannot be reached</source>
        <translation>die Karte wurde entfernt oder ist nicht erreichbar</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>die Datei konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>%1: %2 does not record at %3</source>
        <translation>%1: %2 nimmt nicht mit %3 auf</translation>
    </message>
    <message>
        <source>%1: %2 lowered to %3 because %4 is on; Save writes it</source>
        <translation>%1: %2 auf %3 gesenkt, weil %4 eingeschaltet ist; „Speichern“ schreibt das in die Datei</translation>
    </message>
    <message>
        <source>. </source>
        <translation>. </translation>
    </message>
    <message>
        <source>Not saved: %1 is in use by another program; try again in a moment</source>
        <translation>Nicht gespeichert: %1 wird von einem anderen Programm verwendet; versuchen Sie es gleich noch einmal</translation>
    </message>
    <message>
        <source>Not saved: the card holding %1 is not answering; what it holds now is unknown. Take it out and put it in again, then Save</source>
        <translation>Nicht gespeichert: Die Karte mit %1 antwortet nicht; ihr jetziger Inhalt ist unbekannt. Nehmen Sie sie heraus, stecken Sie sie wieder ein und klicken Sie dann auf „Speichern“</translation>
    </message>
    <message>
        <source>Not saved: %1 is now another camera&apos;s file (%2); these settings stay in the window</source>
        <translation>Nicht gespeichert: %1 ist jetzt die Datei einer anderen Kamera (%2); diese Einstellungen bleiben im Fenster</translation>
    </message>
    <message>
        <source>no camera identifiers</source>
        <translation>keine Kamerakennungen</translation>
    </message>
    <message>
        <source>%1 was changed %2by another program.</source>
        <translation>%1 wurde %2von einem anderen Programm geändert.</translation>
    </message>
    <message>
        <source>on the card </source>
        <translation>auf der Karte </translation>
    </message>
    <message>
        <source>%1 was deleted %2by another program.</source>
        <translation>%1 wurde %2von einem anderen Programm gelöscht.</translation>
    </message>
    <message>
        <source>from the card </source>
        <translation>auf der Karte </translation>
    </message>
    <message>
        <source>The card %1 was removed: Save cannot write %2 until it is back</source>
        <translation>Die Karte %1 wurde entfernt: „Speichern“ kann %2 erst wieder schreiben, wenn sie zurück ist</translation>
    </message>
    <message>
        <source>The card %1 is back: Save writes %2 again</source>
        <translation>Die Karte %1 ist zurück: „Speichern“ schreibt %2 wieder</translation>
    </message>
    <message>
        <source>clip length</source>
        <translation>Cliplänge</translation>
    </message>
    <message>
        <source>loop recording</source>
        <translation>Loop-Aufnahme</translation>
    </message>
</context>
</TS>
