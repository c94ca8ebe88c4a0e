<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>Alerts</name>
    <message>
        <source>Configuration file loaded successfully! 
Change the configuration than pres the Save button</source>
        <translation>Plik konfiguracyjny został wczytany! 
Zmień konfigurację, a następnie naciśnij przycisk Zapisz</translation>
    </message>
    <message>
        <source>Error when trying to detect the type of file!</source>
        <translation>Błąd podczas próby rozpoznania typu pliku!</translation>
    </message>
    <message>
        <source>Unknown file format!</source>
        <translation>Nieznany format pliku!</translation>
    </message>
    <message>
        <source>File path too long!</source>
        <translation>Ścieżka pliku jest za długa!</translation>
    </message>
    <message>
        <source>Configuration file saved successfully! 
Safely remove your camera and load the new configuration</source>
        <translation>Plik konfiguracyjny został zapisany! 
Bezpiecznie odłącz kamerę i wczytaj nową konfigurację</translation>
    </message>
    <message>
        <source>Configuration file NOT saved! 
Problem during file writing!</source>
        <translation>Plik konfiguracyjny NIE został zapisany! 
Wystąpił problem podczas zapisu pliku!</translation>
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
        <translation>, nieobsługiwana</translation>
    </message>
    <message>
        <source> (open now)</source>
        <translation> (obecnie otwarta)</translation>
    </message>
    <message>
        <source>Apply to Connected Cameras</source>
        <translation>Zastosuj do podłączonych kamer</translation>
    </message>
    <message>
        <source>The settings shown in the window are saved into each camera you tick. Each camera keeps its own identification, and each file is read back and checked after its save.</source>
        <translation>Ustawienia widoczne w oknie zostaną zapisane w każdej zaznaczonej kamerze. Każda kamera zachowuje własną identyfikację, a każdy plik jest po zapisaniu odczytywany ponownie i sprawdzany.</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Zastosuj</translation>
    </message>
</context>
<context>
    <name>CameraCopyRun</name>
    <message>
        <source>saved and checked</source>
        <translation>zapisano i sprawdzono</translation>
    </message>
    <message>
        <source>not checked: the file read back holds other settings</source>
        <translation>niepotwierdzone: ponownie odczytany plik zawiera inne ustawienia</translation>
    </message>
    <message>
        <source>not saved: %1</source>
        <translation>nie zapisano: %1</translation>
    </message>
    <message>
        <source>not saved: another program is using its file</source>
        <translation>nie zapisano: inny program używa jej pliku</translation>
    </message>
    <message>
        <source>not saved: its file cannot be read (%1)</source>
        <translation>nie zapisano: nie można odczytać jej pliku (%1)</translation>
    </message>
    <message>
        <source>refused: %1</source>
        <translation>odrzucono: %1</translation>
    </message>
    <message>
        <source>not tried</source>
        <translation>nie podjęto próby</translation>
    </message>
    <message>
        <source>not saved: the card is not answering; what it holds now is unknown</source>
        <translation>nie zapisano: karta nie odpowiada; nie wiadomo, co teraz zawiera</translation>
    </message>
</context>
<context>
    <name>CameraMonitor</name>
    <message>
        <source>Cannot mount %1: mounting a card needs the desktop&apos;s storage service (UDisks2), which is not running</source>
        <translation>Nie można zamontować karty %1: montowanie karty wymaga usługi pamięci masowej środowiska graficznego (UDisks2), która nie jest uruchomiona</translation>
    </message>
    <message>
        <source>Cannot eject %1: ejecting a card needs the desktop&apos;s storage service (UDisks2), which is not running</source>
        <translation>Nie można wysunąć karty %1: wysunięcie karty wymaga usługi pamięci masowej środowiska graficznego (UDisks2), która nie jest uruchomiona</translation>
    </message>
    <message>
        <source>it is still in use; close what uses it and try again</source>
        <translation>jest nadal używana; zamknij to, co z niej korzysta, i spróbuj ponownie</translation>
    </message>
    <message>
        <source>the desktop&apos;s policy does not allow it</source>
        <translation>zasady środowiska graficznego na to nie pozwalają</translation>
    </message>
    <message>
        <source>it is not mounted</source>
        <translation>nie jest zamontowana</translation>
    </message>
    <message>
        <source>the storage service did not answer</source>
        <translation>usługa pamięci masowej nie odpowiedziała</translation>
    </message>
    <message>
        <source>Could not mount %1: %2</source>
        <translation>Nie udało się zamontować karty %1: %2</translation>
    </message>
    <message>
        <source>%1 is mounted at %2, but %3</source>
        <translation>Karta %1 jest zamontowana w %2, ale %3</translation>
    </message>
    <message>
        <source>holds no camera configuration file</source>
        <translation>nie zawiera pliku konfiguracyjnego kamery</translation>
    </message>
    <message>
        <source>is not answering</source>
        <translation>nie odpowiada</translation>
    </message>
    <message>
        <source>Could not eject %1: %2</source>
        <translation>Nie udało się wysunąć karty %1: %2</translation>
    </message>
    <message>
        <source>%1 is unmounted and may be removed, but its drive could not be powered off: %2</source>
        <translation>Karta %1 została odmontowana i można ją wyjąć, ale nie udało się wyłączyć zasilania jej napędu: %2</translation>
    </message>
</context>
<context>
    <name>ConfigDocument</name>
    <message>
        <source>%1 (removed)</source>
        <translation>%1 (wyjęta)</translation>
    </message>
</context>
<context>
    <name>CopyResultsDialog</name>
    <message>
        <source>Saved and checked on 1 camera</source>
        <translation>Zapisano i sprawdzono na 1 kamerze</translation>
    </message>
    <message>
        <source>Not saved on 1 camera</source>
        <translation>Nie zapisano na 1 kamerze</translation>
    </message>
    <message>
        <source>Saved and checked on %1 of %2 cameras</source>
        <translation>Zapisano i sprawdzono na %1 z %2 kamer</translation>
    </message>
    <message>
        <source>Apply to Connected Cameras</source>
        <translation>Zastosuj do podłączonych kamer</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>&amp;Eject All</source>
        <translation>&amp;Wysuń wszystkie</translation>
    </message>
    <message>
        <source>Unmount and power off the cameras saved, so that they can be removed</source>
        <translation>Odmontuj zapisane kamery i wyłącz ich zasilanie, aby można je było odłączyć</translation>
    </message>
</context>
<context>
    <name>HelpWindows</name>
    <message>
        <source>Kavelo Manager Help</source>
        <translation>Pomoc programu Kavelo Manager</translation>
    </message>
    <message>
        <source>About Kavelo Manager</source>
        <translation>O programie Kavelo Manager</translation>
    </message>
    <message>
        <source>Edits the configuration file of a Kavelo video camera: open the CONFIG.TXT on its memory card, change its settings, save it back.</source>
        <translation>Edytuje plik konfiguracyjny kamery wideo Kavelo: otwórz plik CONFIG.TXT na jej karcie pamięci, zmień ustawienia i zapisz go z powrotem.</translation>
    </message>
</context>
<context>
    <name>LoadMessages</name>
    <message>
        <source>Camera revision not supported! 
Actually supported only revision v00%1</source>
        <translation>Nieobsługiwana rewizja kamery! 
Obecnie obsługiwana jest tylko rewizja v00%1</translation>
    </message>
    <message>
        <source>Camera firmware too old! 
Supported from version %1 to %2</source>
        <translation>Zbyt stare oprogramowanie sprzętowe kamery! 
Obsługiwane są wersje od %1 do %2</translation>
    </message>
    <message>
        <source>Unknown file format!</source>
        <translation>Nieznany format pliku!</translation>
    </message>
    <message>
        <source>Firmware v%1 not supported!
Kavelo Manager needs to be updated! 
Supported from version %2 to %3</source>
        <translation>Oprogramowanie sprzętowe v%1 nie jest obsługiwane!
Kavelo Manager wymaga aktualizacji! 
Obsługiwane są wersje od %2 do %3</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>to nie jest zwykły plik</translation>
    </message>
    <message>
        <source>larger than %1 bytes, so no camera configuration file</source>
        <translation>plik większy niż %1 bajtów, więc nie jest to plik konfiguracyjny kamery</translation>
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
        <translation>Przeciągnij plik CONFIG.TXT z kamery na ten obszar, aby go wczytać</translation>
    </message>
    <message>
        <source>Drop the camera&apos;s
CONFIG.TXT here</source>
        <translation>Upuść tutaj plik
CONFIG.TXT kamery</translation>
    </message>
    <message>
        <source>Configuration file</source>
        <translation>Plik konfiguracyjny</translation>
    </message>
    <message>
        <source>Connect the camera or open its CONFIG.TXT</source>
        <translation>Podłącz kamerę lub otwórz jej plik CONFIG.TXT</translation>
    </message>
    <message>
        <source>Load…</source>
        <translation>Wczytaj…</translation>
    </message>
    <message>
        <source>Open the camera&apos;s CONFIG.TXT</source>
        <translation>Otwórz plik CONFIG.TXT kamery</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Write the settings back into the loaded file</source>
        <translation>Zapisz ustawienia z powrotem we wczytanym pliku</translation>
    </message>
    <message>
        <source>Set defaults</source>
        <translation>Przywróć domyślne</translation>
    </message>
    <message>
        <source>Put every setting back to its default; the file changes when you save</source>
        <translation>Przywraca domyślne wartości wszystkich ustawień; plik zmieni się dopiero po zapisaniu</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Video modes</source>
        <translation>Tryby wideo</translation>
    </message>
    <message>
        <source>Video mode 1</source>
        <translation>Tryb wideo 1</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Wył.</translation>
    </message>
    <message>
        <source>Video mode 2</source>
        <translation>Tryb wideo 2</translation>
    </message>
    <message>
        <source>60 and 50 fps record only at 1280x720 wide and 848x480: choosing one of them at another resolution switches to 1280x720 wide, and choosing 1920x1080 or 1280x720 narrow at 60 or 50 fps switches to 30 fps. While loop recording is on, clips are 3 or 5 minutes long.</source>
        <translation>Nagrywanie z szybkością 60 i 50 fps jest możliwe tylko w rozdzielczości 1280x720 z szerokim kątem oraz 848x480: wybranie jednej z tych szybkości przy innej rozdzielczości przełącza na 1280x720 z szerokim kątem, a wybranie 1920x1080 lub 1280x720 z wąskim kątem przy 60 lub 50 fps przełącza na 30 fps. Gdy nagrywanie w pętli jest włączone, klipy trwają 3 lub 5 minut.</translation>
    </message>
    <message>
        <source>Photo, picture and clock</source>
        <translation>Zdjęcia, obraz i zegar</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Zdjęcia</translation>
    </message>
    <message>
        <source>Date and clock</source>
        <translation>Data i zegar</translation>
    </message>
    <message>
        <source>The computer&apos;s time is written into the file when you save, and the camera takes it on when it loads the file.</source>
        <translation>Przy zapisywaniu do pliku trafia czas komputera, a kamera przejmuje go, gdy wczytuje plik.</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Obraz</translation>
    </message>
    <message>
        <source>Custom gains:</source>
        <translation>Własne wzmocnienia:</translation>
    </message>
    <message>
        <source>The gains of the chosen custom white balance</source>
        <translation>Wzmocnienia wybranego własnego balansu bieli</translation>
    </message>
    <message>
        <source>The gains belong to the custom white balance chosen above and can be edited only while one of Custom 1 to 3 is chosen: 100 to 999, press Return to apply.</source>
        <translation>Wzmocnienia należą do wybranego powyżej własnego balansu bieli i można je edytować tylko wtedy, gdy wybrany jest jeden z trybów Własny 1–3: od 100 do 999, naciśnij Enter, aby zastosować.</translation>
    </message>
    <message>
        <source>Camera and power</source>
        <translation>Kamera i zasilanie</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Zasilanie</translation>
    </message>
    <message>
        <source>Start recording:</source>
        <translation>Rozpoczęcie nagrywania:</translation>
    </message>
    <message>
        <source>Starts recording as soon as the camera gets power</source>
        <translation>Rozpoczyna nagrywanie, gdy tylko kamera otrzyma zasilanie</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nigdy</translation>
    </message>
    <message>
        <source>When external power is connected</source>
        <translation>Po podłączeniu zasilania zewnętrznego</translation>
    </message>
    <message>
        <source>When the power button is pressed</source>
        <translation>Po naciśnięciu przycisku zasilania</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>W obu przypadkach</translation>
    </message>
    <message>
        <source>Motion detection</source>
        <translation>Wykrywanie ruchu</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>TV, web camera and card</source>
        <translation>TV, kamera internetowa i karta</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Otwórz…</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Save a &amp;Copy…</source>
        <translation>Zapisz &amp;kopię…</translation>
    </message>
    <message>
        <source>&amp;Apply Settings From…</source>
        <translation>Zastosuj &amp;ustawienia z…</translation>
    </message>
    <message>
        <source>Apply &amp;to Connected Cameras…</source>
        <translation>Zastosuj &amp;do podłączonych kamer…</translation>
    </message>
    <message>
        <source>&amp;Revert</source>
        <translation>&amp;Przywróć</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Zakoń&amp;cz</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>Kavelo Manager &amp;Help</source>
        <translation>&amp;Pomoc programu Kavelo Manager</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;About Kavelo Manager</source>
        <translation>&amp;O programie Kavelo Manager</translation>
    </message>
    <message>
        <source>&amp;Eject camera</source>
        <translation>&amp;Wysuń kamerę</translation>
    </message>
    <message>
        <source>Quit; asks first when there are unsaved changes</source>
        <translation>Zakończ; najpierw pyta, jeśli są niezapisane zmiany</translation>
    </message>
</context>
<context>
    <name>MyAppDelegate</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ponów</translation>
    </message>
    <message>
        <source>Saved a copy as %1</source>
        <translation>Zapisano kopię jako %1</translation>
    </message>
    <message>
        <source>Revert to %1 as the card holds it?</source>
        <translation>Przywrócić plik %1 do postaci zapisanej na karcie?</translation>
    </message>
    <message>
        <source>Your changes since it was opened or saved are lost.</source>
        <translation>Zmiany wprowadzone od otwarcia lub zapisania pliku zostaną utracone.</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Przywróć</translation>
    </message>
    <message>
        <source>Apply Settings From</source>
        <translation>Zastosuj ustawienia z pliku</translation>
    </message>
    <message>
        <source>Took the settings of %1: %2 changed</source>
        <translation>Przejęto ustawienia z %1; liczba zmienionych ustawień: %2</translation>
    </message>
    <message>
        <source>1 setting</source>
        <translation>1</translation>
    </message>
    <message>
        <source>%1 settings</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>Ejecting a card needs the desktop&apos;s storage service (UDisks2), which is not running</source>
        <translation>Wysunięcie karty wymaga usługi pamięci masowej środowiska graficznego (UDisks2), która nie jest uruchomiona</translation>
    </message>
    <message>
        <source>Eject</source>
        <translation>Wysuń</translation>
    </message>
    <message>
        <source>Unmount the card and power it off, so that it can be removed</source>
        <translation>Odmontuj kartę i wyłącz jej zasilanie, aby można ją było wyjąć</translation>
    </message>
    <message>
        <source>%1 can be removed now</source>
        <translation>Można teraz wyjąć %1</translation>
    </message>
    <message>
        <source>Camera %1 connected</source>
        <translation>Podłączono kamerę %1</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Card %1 is not mounted</source>
        <translation>Karta %1 nie jest zamontowana</translation>
    </message>
    <message>
        <source>Mount and open</source>
        <translation>Zamontuj i otwórz</translation>
    </message>
    <message>
        <source>Card %1 is not answering</source>
        <translation>Karta %1 nie odpowiada</translation>
    </message>
    <message>
        <source>Keep my settings</source>
        <translation>Zachowaj moje ustawienia</translation>
    </message>
    <message>
        <source>No camera to eject: open its file first, or plug in only one</source>
        <translation>Brak kamery do wysunięcia: najpierw otwórz jej plik lub podłącz tylko jedną</translation>
    </message>
    <message>
        <source>Ejecting %1…</source>
        <translation>Wysuwanie %1…</translation>
    </message>
    <message>
        <source>Applying the settings…</source>
        <translation>Stosowanie ustawień…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Apply to Connected Cameras</source>
        <translation>Zastosuj do podłączonych kamer</translation>
    </message>
    <message>
        <source>Saving %1…</source>
        <translation>Zapisywanie %1…</translation>
    </message>
    <message>
        <source>not saved: </source>
        <translation>nie zapisano: </translation>
    </message>
    <message>
        <source>saved and checked</source>
        <translation>zapisano i sprawdzono</translation>
    </message>
    <message>
        <source>not checked: the file read back holds other settings</source>
        <translation>niepotwierdzone: ponownie odczytany plik zawiera inne ustawienia</translation>
    </message>
    <message>
        <source>another program changed its file since it was opened; Save asks what to do</source>
        <translation>inny program zmienił jej plik od czasu otwarcia; polecenie Zapisz zapyta, co zrobić</translation>
    </message>
    <message>
        <source>its file was deleted since it was opened; Save asks what to do</source>
        <translation>jej plik został usunięty od czasu otwarcia; polecenie Zapisz zapyta, co zrobić</translation>
    </message>
    <message>
        <source>another camera&apos;s file is there now</source>
        <translation>znajduje się tam teraz plik innej kamery</translation>
    </message>
    <message>
        <source>another program is using its file</source>
        <translation>inny program używa jej pliku</translation>
    </message>
    <message>
        <source>the card is not answering; what it holds now is unknown</source>
        <translation>karta nie odpowiada; nie wiadomo, co teraz zawiera</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>Czy zapisać zmiany w pliku %1?</translation>
    </message>
    <message>
        <source>The settings in the window differ from the file. Your changes are lost if you don&apos;t save them.</source>
        <translation>Ustawienia w oknie różnią się od zawartości pliku. Jeśli ich nie zapiszesz, zmiany zostaną utracone.</translation>
    </message>
    <message>
        <source>Firmware info: </source>
        <translation>Oprogramowanie sprzętowe: </translation>
    </message>
    <message>
        <source>Revision info: </source>
        <translation>Rewizja: </translation>
    </message>
    <message>
        <source>	 Camera time:</source>
        <translation>	 Czas kamery:</translation>
    </message>
    <message>
        <source>. </source>
        <translation>. </translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Wczytaj ponownie</translation>
    </message>
    <message>
        <source>Open That Camera&apos;s File</source>
        <translation>Otwórz plik tamtej kamery</translation>
    </message>
    <message>
        <source>%1 was deleted since it was opened.</source>
        <translation>Plik %1 został usunięty od czasu otwarcia.</translation>
    </message>
    <message>
        <source>Save makes it again with the settings in this window.</source>
        <translation>Zapisz utworzy go ponownie z ustawieniami z tego okna.</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened.</source>
        <translation>Plik %1 został zmieniony przez inny program od czasu otwarcia.</translation>
    </message>
    <message>
        <source>Overwrite replaces that change with the settings in this window. Reload shows what the file holds now; your changes are lost.</source>
        <translation>Nadpisz zastąpi tę zmianę ustawieniami z tego okna. Wczytaj ponownie pokaże obecną zawartość pliku; Twoje zmiany zostaną utracone.</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Nadpisz</translation>
    </message>
    <message>
        <source>There is no room on the card for the safety copy that a save writes first.</source>
        <translation>Na karcie nie ma miejsca na kopię zapasową, którą zapisywanie tworzy najpierw.</translation>
    </message>
    <message>
        <source>The new settings fit in the space %1 already takes, so they can be written over it directly. If the card is pulled out or the camera loses power in those milliseconds, %1 may be left damaged.</source>
        <translation>Nowe ustawienia mieszczą się w miejscu, które zajmuje już plik %1, więc można je zapisać bezpośrednio na nim. Jeśli w ciągu tych milisekund karta zostanie wyjęta lub kamera straci zasilanie, plik %1 może zostać uszkodzony.</translation>
    </message>
    <message>
        <source>Write in Place</source>
        <translation>Zapisz w miejscu</translation>
    </message>
</context>
<context>
    <name>NoticeBar</name>
    <message>
        <source>Notice</source>
        <translation>Powiadomienie</translation>
    </message>
</context>
<context>
    <name>OpenPanel</name>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Pliki tekstowe (*.txt)</translation>
    </message>
    <message>
        <source>Text files (*.[tT][xX][tT])</source>
        <translation>Pliki tekstowe (*.[tT][xX][tT])</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Open camera configuration</source>
        <translation>Otwórz konfigurację kamery</translation>
    </message>
    <message>
        <source>Save a copy of the settings</source>
        <translation>Zapisz kopię ustawień</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Video mode 1</source>
        <translation>Tryb wideo 1</translation>
    </message>
    <message>
        <source>Video mode 2</source>
        <translation>Tryb wideo 2</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>Szeroki</translation>
    </message>
    <message>
        <source>Narrow</source>
        <translation>Wąski</translation>
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
        <translation>Wył.</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Wł.</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normalny</translation>
    </message>
    <message>
        <source>Rotated 180°</source>
        <translation>Obrócony o 180°</translation>
    </message>
    <message>
        <source>Year/Month/Day</source>
        <translation>Rok/Miesiąc/Dzień</translation>
    </message>
    <message>
        <source>Day/Month/Year</source>
        <translation>Dzień/Miesiąc/Rok</translation>
    </message>
    <message>
        <source>Month/Day/Year</source>
        <translation>Miesiąc/Dzień/Rok</translation>
    </message>
    <message>
        <source>Keep the camera&apos;s clock</source>
        <translation>Zachowaj zegar kamery</translation>
    </message>
    <message>
        <source>Set the clock from this computer</source>
        <translation>Ustaw zegar według tego komputera</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Zdjęcie</translation>
    </message>
    <message>
        <source>1920x1080 narrow</source>
        <translation>1920x1080 wąski kąt</translation>
    </message>
    <message>
        <source>1920x1080 wide</source>
        <translation>1920x1080 szeroki kąt</translation>
    </message>
    <message>
        <source>1280x720 narrow</source>
        <translation>1280x720 wąski kąt</translation>
    </message>
    <message>
        <source>1280x720 wide</source>
        <translation>1280x720 szeroki kąt</translation>
    </message>
    <message>
        <source>848x480 narrow</source>
        <translation>848x480 wąski kąt</translation>
    </message>
    <message>
        <source>848x480 wide</source>
        <translation>848x480 szeroki kąt</translation>
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
        <translation>Maks.</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niska</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Średnia</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Wysoka</translation>
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
        <translation>Brak</translation>
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
        <translation>Nigdy</translation>
    </message>
    <message>
        <source>1 min</source>
        <translation>1 min</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standardowy</translation>
    </message>
    <message>
        <source>Wide angle</source>
        <translation>Szerokokątny</translation>
    </message>
    <message>
        <source>Fisheye</source>
        <translation>Rybie oko</translation>
    </message>
    <message>
        <source>Mass storage</source>
        <translation>Pamięć masowa</translation>
    </message>
    <message>
        <source>Web camera</source>
        <translation>Kamera internetowa</translation>
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
        <translation>Światło dzienne</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>Pochmurno</translation>
    </message>
    <message>
        <source>Tungsten</source>
        <translation>Światło żarowe</translation>
    </message>
    <message>
        <source>Fluorescent</source>
        <translation>Światło jarzeniowe</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Własny 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Własny 2</translation>
    </message>
    <message>
        <source>Custom 3</source>
        <translation>Własny 3</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>Czarno-biały</translation>
    </message>
    <message>
        <source>Sepia</source>
        <translation>Sepia</translation>
    </message>
    <message>
        <source>No control changes it; it is kept as the file has it</source>
        <translation>Żadna kontrolka tego nie zmienia; wartość pozostaje taka, jak w pliku</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Rozdzielczość</translation>
    </message>
    <message>
        <source>The picture size of the video and, in its lowest bit, the field of view</source>
        <translation>Rozmiar obrazu wideo oraz, w najniższym bicie, pole widzenia</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>Liczba klatek/s</translation>
    </message>
    <message>
        <source>Pictures per second; 60 and 50 fps record at 1280x720 wide and 848x480 only</source>
        <translation>Klatki na sekundę; 60 i 50 fps tylko przy 1280x720 z szerokim kątem oraz 848x480</translation>
    </message>
    <message>
        <source>Time lapse</source>
        <translation>Tryb poklatkowy</translation>
    </message>
    <message>
        <source>Records one frame per interval; Off records normally</source>
        <translation>Nagrywa jedną klatkę w każdym odstępie czasu; Wył. – zwykłe nagrywanie</translation>
    </message>
    <message>
        <source>Time lapse custom value</source>
        <translation>Własna wartość trybu poklatkowego</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>Records sound with the video</source>
        <translation>Nagrywa dźwięk razem z obrazem</translation>
    </message>
    <message>
        <source>Clip length</source>
        <translation>Długość klipu</translation>
    </message>
    <message>
        <source>The length of each video file; loop recording allows 3 or 5 minutes</source>
        <translation>Długość każdego pliku wideo; przy nagrywaniu w pętli możliwe są 3 lub 5 minut</translation>
    </message>
    <message>
        <source>Loop recording</source>
        <translation>Nagrywanie w pętli</translation>
    </message>
    <message>
        <source>When the card is full, the oldest clip is overwritten</source>
        <translation>Gdy karta się zapełni, najstarszy klip zostaje nadpisany</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientacja</translation>
    </message>
    <message>
        <source>Rotated 180° for a camera mounted upside down</source>
        <translation>Obrót o 180° dla kamery zamontowanej do góry nogami</translation>
    </message>
    <message>
        <source>Time stamp</source>
        <translation>Znacznik czasu</translation>
    </message>
    <message>
        <source>Prints the date and time into the picture</source>
        <translation>Nanosi datę i godzinę na obraz</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Jakość</translation>
    </message>
    <message>
        <source>Higher quality records more data per second</source>
        <translation>Wyższa jakość zapisuje więcej danych na sekundę</translation>
    </message>
    <message>
        <source>High dynamic range</source>
        <translation>Szeroki zakres dynamiki</translation>
    </message>
    <message>
        <source>Evens out bright and dark parts of the picture</source>
        <translation>Wyrównuje jasne i ciemne partie obrazu</translation>
    </message>
    <message>
        <source>File format</source>
        <translation>Format pliku</translation>
    </message>
    <message>
        <source>The kind of file the video is recorded into</source>
        <translation>Rodzaj pliku, w którym zapisywany jest film</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Format daty</translation>
    </message>
    <message>
        <source>The order of year, month and day in the date line</source>
        <translation>Kolejność roku, miesiąca i dnia w wierszu daty</translation>
    </message>
    <message>
        <source>Camera clock</source>
        <translation>Zegar kamery</translation>
    </message>
    <message>
        <source>Whether a save sets the camera&apos;s clock to this computer&apos;s time</source>
        <translation>Czy zapisanie ustawia zegar kamery na czas tego komputera</translation>
    </message>
    <message>
        <source>Start mode</source>
        <translation>Tryb po włączeniu</translation>
    </message>
    <message>
        <source>The mode the camera is in after switching on</source>
        <translation>Tryb, w którym kamera pracuje po włączeniu</translation>
    </message>
    <message>
        <source>Photo size</source>
        <translation>Rozmiar zdjęcia</translation>
    </message>
    <message>
        <source>The size of each photo</source>
        <translation>Rozmiar każdego zdjęcia</translation>
    </message>
    <message>
        <source>Takes one photo per interval; Off takes single photos</source>
        <translation>Robi jedno zdjęcie w każdym odstępie czasu; Wył. – pojedyncze zdjęcia</translation>
    </message>
    <message>
        <source>Prints the date and time into the photo</source>
        <translation>Nanosi datę i godzinę na zdjęcie</translation>
    </message>
    <message>
        <source>Power-on delay</source>
        <translation>Opóźnienie włączenia</translation>
    </message>
    <message>
        <source>How long the camera waits after power comes on</source>
        <translation>Jak długo kamera czeka po pojawieniu się zasilania</translation>
    </message>
    <message>
        <source>Auto off</source>
        <translation>Automatyczne wyłączanie</translation>
    </message>
    <message>
        <source>Switches off after this time without use</source>
        <translation>Wyłącza kamerę po takim czasie bezczynności</translation>
    </message>
    <message>
        <source>Record on external power</source>
        <translation>Nagrywanie przy zasilaniu zewnętrznym</translation>
    </message>
    <message>
        <source>Starts recording as soon as the camera gets external power</source>
        <translation>Rozpoczyna nagrywanie, gdy tylko kamera otrzyma zasilanie zewnętrzne</translation>
    </message>
    <message>
        <source>Record at power button</source>
        <translation>Nagrywanie po włączeniu przyciskiem</translation>
    </message>
    <message>
        <source>Starts recording when the power button switches the camera on</source>
        <translation>Rozpoczyna nagrywanie, gdy kamera zostanie włączona przyciskiem zasilania</translation>
    </message>
    <message>
        <source>Off when unplugged</source>
        <translation>Wyłączanie po odłączeniu zasilania</translation>
    </message>
    <message>
        <source>Switches off when external power is disconnected</source>
        <translation>Wyłącza kamerę po odłączeniu zasilania zewnętrznego</translation>
    </message>
    <message>
        <source>Recording light</source>
        <translation>Dioda nagrywania</translation>
    </message>
    <message>
        <source>The light that shows the camera is recording</source>
        <translation>Dioda sygnalizująca, że kamera nagrywa</translation>
    </message>
    <message>
        <source>USB charging</source>
        <translation>Ładowanie przez USB</translation>
    </message>
    <message>
        <source>Charges from a computer&apos;s USB port</source>
        <translation>Ładuje z portu USB komputera</translation>
    </message>
    <message>
        <source>Lens</source>
        <translation>Obiektyw</translation>
    </message>
    <message>
        <source>The lens fitted to the camera, so that the picture is corrected for it</source>
        <translation>Obiektyw założony w kamerze, aby obraz był do niego skorygowany</translation>
    </message>
    <message>
        <source>Light frequency</source>
        <translation>Częstotliwość oświetlenia</translation>
    </message>
    <message>
        <source>The mains frequency, against flicker under artificial light</source>
        <translation>Częstotliwość sieci elektrycznej, przeciw migotaniu w sztucznym świetle</translation>
    </message>
    <message>
        <source>USB mode</source>
        <translation>Tryb USB</translation>
    </message>
    <message>
        <source>What the camera is when plugged into a computer</source>
        <translation>Czym jest kamera po podłączeniu do komputera</translation>
    </message>
    <message>
        <source>Web camera orientation</source>
        <translation>Orientacja kamery internetowej</translation>
    </message>
    <message>
        <source>Rotated 180° for a web camera mounted upside down</source>
        <translation>Obrót o 180° dla kamery internetowej zamontowanej do góry nogami</translation>
    </message>
    <message>
        <source>TV system</source>
        <translation>System TV</translation>
    </message>
    <message>
        <source>The TV standard of the video output</source>
        <translation>Standard telewizyjny wyjścia wideo</translation>
    </message>
    <message>
        <source>TV aspect ratio</source>
        <translation>Proporcje obrazu TV</translation>
    </message>
    <message>
        <source>The shape of the picture on a TV</source>
        <translation>Kształt obrazu na ekranie telewizora</translation>
    </message>
    <message>
        <source>Card format</source>
        <translation>Format karty</translation>
    </message>
    <message>
        <source>The file system the camera formats its card with; firmware 2.18 and later</source>
        <translation>System plików, w którym kamera formatuje kartę; oprogramowanie sprzętowe 2.18 i nowsze</translation>
    </message>
    <message>
        <source>Motion detection</source>
        <translation>Wykrywanie ruchu</translation>
    </message>
    <message>
        <source>Records when something moves</source>
        <translation>Nagrywa, gdy coś się porusza</translation>
    </message>
    <message>
        <source>Motion timeout</source>
        <translation>Czas nagrywania po ruchu</translation>
    </message>
    <message>
        <source>Stops recording this long after the motion ends</source>
        <translation>Kończy nagrywanie po takim czasie od ustania ruchu</translation>
    </message>
    <message>
        <source>Motion sensitivity</source>
        <translation>Czułość wykrywania ruchu</translation>
    </message>
    <message>
        <source>How little movement starts a recording</source>
        <translation>Jak mały ruch wystarcza do rozpoczęcia nagrywania</translation>
    </message>
    <message>
        <source>White balance</source>
        <translation>Balans bieli</translation>
    </message>
    <message>
        <source>Colour correction for the light; Custom 1 to 3 use their own gains</source>
        <translation>Korekcja kolorów do rodzaju oświetlenia; Własny 1–3 używają własnych wzmocnień</translation>
    </message>
    <message>
        <source>Colour effect</source>
        <translation>Efekt kolorów</translation>
    </message>
    <message>
        <source>Pictures in colour, in black and white, or in sepia</source>
        <translation>Obraz kolorowy, czarno-biały lub w sepii</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Ekspozycja</translation>
    </message>
    <message>
        <source>Brighter to the right, darker to the left</source>
        <translation>W prawo jaśniej, w lewo ciemniej</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <source>Stronger contrast to the right</source>
        <translation>W prawo mocniejszy kontrast</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Nasycenie</translation>
    </message>
    <message>
        <source>Stronger colours to the right</source>
        <translation>W prawo mocniejsze kolory</translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation>Ostrość</translation>
    </message>
    <message>
        <source>Sharper edges to the right</source>
        <translation>W prawo ostrzejsze krawędzie</translation>
    </message>
    <message>
        <source>Red gain</source>
        <translation>Wzmocnienie czerwieni</translation>
    </message>
    <message>
        <source>Green gain</source>
        <translation>Wzmocnienie zieleni</translation>
    </message>
    <message>
        <source>Blue gain</source>
        <translation>Wzmocnienie niebieskiego</translation>
    </message>
    <message>
        <source>The red gain of this custom white balance, 100 to 999</source>
        <translation>Wzmocnienie czerwieni w tym własnym balansie bieli, od 100 do 999</translation>
    </message>
    <message>
        <source>The green gain of this custom white balance, 100 to 999</source>
        <translation>Wzmocnienie zieleni w tym własnym balansie bieli, od 100 do 999</translation>
    </message>
    <message>
        <source>The blue gain of this custom white balance, 100 to 999</source>
        <translation>Wzmocnienie niebieskiego w tym własnym balansie bieli, od 100 do 999</translation>
    </message>
    <message>
        <source>Starts recording when the camera gets external power, when its power button switches it on, or both</source>
        <translation>Zaczyna nagrywać, gdy kamera otrzyma zasilanie zewnętrzne, gdy przycisk zasilania ją włączy, lub w obu przypadkach</translation>
    </message>
    <message>
        <source>Field of view</source>
        <translation>Pole widzenia</translation>
    </message>
    <message>
        <source>Wide or narrow picture</source>
        <translation>Szeroki lub wąski obraz</translation>
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
        <translation>brak identyfikatorów kamery, więc nie jest to plik konfiguracyjny kamery</translation>
    </message>
    <message>
        <source>Loaded %1</source>
        <translation>Wczytano %1</translation>
    </message>
    <message>
        <source>Not loaded: %1: %2</source>
        <translation>Nie wczytano: %1: %2</translation>
    </message>
    <message>
        <source> Save still writes %1.</source>
        <translation> Zapisz nadal zapisuje plik %1.</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Zapisano %1</translation>
    </message>
    <message>
        <source>Not saved: %1: %2; the file is as it was</source>
        <translation>Nie zapisano: %1: %2; plik pozostał bez zmian</translation>
    </message>
    <message>
        <source>the card is full</source>
        <translation>karta jest pełna</translation>
    </message>
    <message>
        <source>the file would be larger than this system allows</source>
        <translation>plik byłby większy, niż pozwala ten system</translation>
    </message>
    <message>
        <source>the card is write-protected</source>
        <translation>karta jest zabezpieczona przed zapisem</translation>
    </message>
    <message>
        <source>you may not write this file</source>
        <translation>brak uprawnień do zapisu tego pliku</translation>
    </message>
    <message>
        <source>the card was removed or cannot be reached</source>
        <translation>karta została wyjęta lub jest niedostępna</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>nie udało się zapisać pliku</translation>
    </message>
    <message>
        <source>%1: %2 does not record at %3</source>
        <translation>%1: w rozdzielczości %2 nie można nagrywać z szybkością %3</translation>
    </message>
    <message>
        <source>%1: %2 lowered to %3 because %4 is on; Save writes it</source>
        <translation>%1: %2 zmniejszono do %3, ponieważ włączone jest %4; Zapisz zapisze tę zmianę</translation>
    </message>
    <message>
        <source>. </source>
        <translation>. </translation>
    </message>
    <message>
        <source>Not saved: %1 is in use by another program; try again in a moment</source>
        <translation>Nie zapisano: plik %1 jest używany przez inny program; spróbuj ponownie za chwilę</translation>
    </message>
    <message>
        <source>Not saved: the card holding %1 is not answering; what it holds now is unknown. Take it out and put it in again, then Save</source>
        <translation>Nie zapisano: karta z plikiem %1 nie odpowiada; nie wiadomo, co teraz zawiera. Wyjmij ją i włóż ponownie, a następnie kliknij Zapisz</translation>
    </message>
    <message>
        <source>Not saved: %1 is now another camera&apos;s file (%2); these settings stay in the window</source>
        <translation>Nie zapisano: %1 jest teraz plikiem innej kamery (%2); te ustawienia pozostają w oknie</translation>
    </message>
    <message>
        <source>no camera identifiers</source>
        <translation>brak identyfikatorów kamery</translation>
    </message>
    <message>
        <source>%1 was changed %2by another program.</source>
        <translation>Plik %1 został zmieniony %2przez inny program.</translation>
    </message>
    <message>
        <source>on the card </source>
        <translation>na karcie </translation>
    </message>
    <message>
        <source>%1 was deleted %2by another program.</source>
        <translation>Plik %1 został usunięty %2przez inny program.</translation>
    </message>
    <message>
        <source>from the card </source>
        <translation>z karty </translation>
    </message>
    <message>
        <source>The card %1 was removed: Save cannot write %2 until it is back</source>
        <translation>Karta %1 została wyjęta: Zapisz nie zapisze pliku %2, dopóki karta nie wróci</translation>
    </message>
    <message>
        <source>The card %1 is back: Save writes %2 again</source>
        <translation>Karta %1 wróciła: Zapisz znów zapisuje plik %2</translation>
    </message>
    <message>
        <source>clip length</source>
        <translation>długość klipu</translation>
    </message>
    <message>
        <source>loop recording</source>
        <translation>nagrywanie w pętli</translation>
    </message>
</context>
</TS>
