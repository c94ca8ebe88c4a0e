<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Alerts</name>
    <message>
        <source>Configuration file loaded successfully! 
Change the configuration than pres the Save button</source>
        <translation>Fichier de configuration chargé avec succès&#xa0;!
Modifiez la configuration, puis appuyez sur le bouton Enregistrer</translation>
    </message>
    <message>
        <source>Error when trying to detect the type of file!</source>
        <translation>Erreur lors de la détection du type de fichier&#xa0;!</translation>
    </message>
    <message>
        <source>Unknown file format!</source>
        <translation>Format de fichier inconnu&#xa0;!</translation>
    </message>
    <message>
        <source>File path too long!</source>
        <translation>Chemin du fichier trop long&#xa0;!</translation>
    </message>
    <message>
        <source>Configuration file saved successfully! 
Safely remove your camera and load the new configuration</source>
        <translation>Fichier de configuration enregistré avec succès&#xa0;!
Retirez la caméra en toute sécurité et chargez la nouvelle configuration</translation>
    </message>
    <message>
        <source>Configuration file NOT saved! 
Problem during file writing!</source>
        <translation>Fichier de configuration NON enregistré&#xa0;!
Problème lors de l&apos;écriture du fichier&#xa0;!</translation>
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
        <translation>, non prise en charge</translation>
    </message>
    <message>
        <source> (open now)</source>
        <translation> (ouverte actuellement)</translation>
    </message>
    <message>
        <source>Apply to Connected Cameras</source>
        <translation>Appliquer aux caméras connectées</translation>
    </message>
    <message>
        <source>The settings shown in the window are saved into each camera you tick. Each camera keeps its own identification, and each file is read back and checked after its save.</source>
        <translation>Les réglages affichés dans la fenêtre sont enregistrés dans chaque caméra que vous cochez. Chaque caméra garde sa propre identification, et chaque fichier est relu et vérifié après son enregistrement.</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Appliquer</translation>
    </message>
</context>
<context>
    <name>CameraCopyRun</name>
    <message>
        <source>saved and checked</source>
        <translation>enregistrée et vérifiée</translation>
    </message>
    <message>
        <source>not checked: the file read back holds other settings</source>
        <translation>non vérifiée&#xa0;: le fichier relu contient d&apos;autres réglages</translation>
    </message>
    <message>
        <source>not saved: %1</source>
        <translation>non enregistrée&#xa0;: %1</translation>
    </message>
    <message>
        <source>not saved: another program is using its file</source>
        <translation>non enregistrée&#xa0;: un autre programme utilise son fichier</translation>
    </message>
    <message>
        <source>not saved: its file cannot be read (%1)</source>
        <translation>non enregistrée&#xa0;: son fichier ne peut pas être lu (%1)</translation>
    </message>
    <message>
        <source>refused: %1</source>
        <translation>refusée&#xa0;: %1</translation>
    </message>
    <message>
        <source>not tried</source>
        <translation>non traitée</translation>
    </message>
    <message>
        <source>not saved: the card is not answering; what it holds now is unknown</source>
        <translation>non enregistrée&#xa0;: la carte ne répond pas&#xa0;; son contenu actuel est inconnu</translation>
    </message>
</context>
<context>
    <name>CameraMonitor</name>
    <message>
        <source>Cannot mount %1: mounting a card needs the desktop&apos;s storage service (UDisks2), which is not running</source>
        <translation>Impossible de monter %1&#xa0;: le montage d&apos;une carte nécessite le service de stockage du bureau (UDisks2), qui n&apos;est pas en cours d&apos;exécution</translation>
    </message>
    <message>
        <source>Cannot eject %1: ejecting a card needs the desktop&apos;s storage service (UDisks2), which is not running</source>
        <translation>Impossible d&apos;éjecter %1&#xa0;: l&apos;éjection d&apos;une carte nécessite le service de stockage du bureau (UDisks2), qui n&apos;est pas en cours d&apos;exécution</translation>
    </message>
    <message>
        <source>it is still in use; close what uses it and try again</source>
        <translation>la carte est encore utilisée&#xa0;; fermez ce qui l&apos;utilise et réessayez</translation>
    </message>
    <message>
        <source>the desktop&apos;s policy does not allow it</source>
        <translation>la politique du bureau ne le permet pas</translation>
    </message>
    <message>
        <source>it is not mounted</source>
        <translation>la carte n&apos;est pas montée</translation>
    </message>
    <message>
        <source>the storage service did not answer</source>
        <translation>le service de stockage n&apos;a pas répondu</translation>
    </message>
    <message>
        <source>Could not mount %1: %2</source>
        <translation>Impossible de monter %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is mounted at %2, but %3</source>
        <translation>La carte %1 est montée sur %2, mais %3</translation>
    </message>
    <message>
        <source>holds no camera configuration file</source>
        <translation>ne contient aucun fichier de configuration de caméra</translation>
    </message>
    <message>
        <source>is not answering</source>
        <translation>ne répond pas</translation>
    </message>
    <message>
        <source>Could not eject %1: %2</source>
        <translation>Impossible d&apos;éjecter %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is unmounted and may be removed, but its drive could not be powered off: %2</source>
        <translation>La carte %1 est démontée et peut être retirée, mais son lecteur n&apos;a pas pu être mis hors tension&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>ConfigDocument</name>
    <message>
        <source>%1 (removed)</source>
        <translation>%1 (retirée)</translation>
    </message>
</context>
<context>
    <name>CopyResultsDialog</name>
    <message>
        <source>Saved and checked on 1 camera</source>
        <translation>Enregistré et vérifié sur 1 caméra</translation>
    </message>
    <message>
        <source>Not saved on 1 camera</source>
        <translation>Non enregistré sur 1 caméra</translation>
    </message>
    <message>
        <source>Saved and checked on %1 of %2 cameras</source>
        <translation>Enregistré et vérifié sur %1 des %2 caméras</translation>
    </message>
    <message>
        <source>Apply to Connected Cameras</source>
        <translation>Appliquer aux caméras connectées</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>&amp;Eject All</source>
        <translation>&amp;Tout éjecter</translation>
    </message>
    <message>
        <source>Unmount and power off the cameras saved, so that they can be removed</source>
        <translation>Démonter et mettre hors tension les caméras enregistrées, afin de pouvoir les retirer</translation>
    </message>
</context>
<context>
    <name>HelpWindows</name>
    <message>
        <source>Kavelo Manager Help</source>
        <translation>Aide de Kavelo Manager</translation>
    </message>
    <message>
        <source>About Kavelo Manager</source>
        <translation>À propos de Kavelo Manager</translation>
    </message>
    <message>
        <source>Edits the configuration file of a Kavelo video camera: open the CONFIG.TXT on its memory card, change its settings, save it back.</source>
        <translation>Modifie le fichier de configuration d&apos;une caméra vidéo Kavelo&#xa0;: ouvrez le CONFIG.TXT de sa carte mémoire, modifiez ses réglages, puis enregistrez-le.</translation>
    </message>
</context>
<context>
    <name>LoadMessages</name>
    <message>
        <source>Camera revision not supported! 
Actually supported only revision v00%1</source>
        <translation>Révision de caméra non prise en charge&#xa0;!
Actuellement, seule la révision v00%1 est prise en charge</translation>
    </message>
    <message>
        <source>Camera firmware too old! 
Supported from version %1 to %2</source>
        <translation>Firmware de la caméra trop ancien&#xa0;!
Versions prises en charge&#xa0;: de %1 à %2</translation>
    </message>
    <message>
        <source>Unknown file format!</source>
        <translation>Format de fichier inconnu&#xa0;!</translation>
    </message>
    <message>
        <source>Firmware v%1 not supported!
Kavelo Manager needs to be updated! 
Supported from version %2 to %3</source>
        <translation>Firmware v%1 non pris en charge&#xa0;!
Kavelo Manager doit être mis à jour&#xa0;!
Versions prises en charge&#xa0;: de %2 à %3</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>larger than %1 bytes, so no camera configuration file</source>
        <translation>plus de %1 octets, ce n&apos;est donc pas un fichier de configuration de caméra</translation>
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
        <translation>Faites glisser le fichier CONFIG.TXT de la caméra sur cette zone pour le charger</translation>
    </message>
    <message>
        <source>Drop the camera&apos;s
CONFIG.TXT here</source>
        <translation>Déposez ici le CONFIG.TXT
de la caméra</translation>
    </message>
    <message>
        <source>Configuration file</source>
        <translation>Fichier de configuration</translation>
    </message>
    <message>
        <source>Connect the camera or open its CONFIG.TXT</source>
        <translation>Connectez la caméra ou ouvrez son CONFIG.TXT</translation>
    </message>
    <message>
        <source>Load…</source>
        <translation>Charger…</translation>
    </message>
    <message>
        <source>Open the camera&apos;s CONFIG.TXT</source>
        <translation>Ouvrir le CONFIG.TXT de la caméra</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Write the settings back into the loaded file</source>
        <translation>Réécrire les réglages dans le fichier chargé</translation>
    </message>
    <message>
        <source>Set defaults</source>
        <translation>Réglages par défaut</translation>
    </message>
    <message>
        <source>Put every setting back to its default; the file changes when you save</source>
        <translation>Remettre chaque réglage à sa valeur par défaut&#xa0;; le fichier change à l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Video modes</source>
        <translation>Modes vidéo</translation>
    </message>
    <message>
        <source>Video mode 1</source>
        <translation>Mode vidéo 1</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Video mode 2</source>
        <translation>Mode vidéo 2</translation>
    </message>
    <message>
        <source>60 and 50 fps record only at 1280x720 wide and 848x480: choosing one of them at another resolution switches to 1280x720 wide, and choosing 1920x1080 or 1280x720 narrow at 60 or 50 fps switches to 30 fps. While loop recording is on, clips are 3 or 5 minutes long.</source>
        <translation>60 et 50 fps n&apos;enregistrent qu&apos;en 1280x720 large et en 848x480&#xa0;: choisir l&apos;une de ces cadences avec une autre résolution passe en 1280x720 large, et choisir 1920x1080 ou 1280x720 étroit en 60 ou 50 fps passe en 30 fps. Tant que l&apos;enregistrement en boucle est activé, les clips durent 3 ou 5 minutes.</translation>
    </message>
    <message>
        <source>Photo, picture and clock</source>
        <translation>Photo, image et horloge</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>Date and clock</source>
        <translation>Date et horloge</translation>
    </message>
    <message>
        <source>The computer&apos;s time is written into the file when you save, and the camera takes it on when it loads the file.</source>
        <translation>L&apos;heure de l&apos;ordinateur est écrite dans le fichier à l&apos;enregistrement, et la caméra l&apos;adopte quand elle charge le fichier.</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Custom gains:</source>
        <translation>Gains personnalisés&#xa0;:</translation>
    </message>
    <message>
        <source>The gains of the chosen custom white balance</source>
        <translation>Les gains de la balance des blancs personnalisée choisie</translation>
    </message>
    <message>
        <source>The gains belong to the custom white balance chosen above and can be edited only while one of Custom 1 to 3 is chosen: 100 to 999, press Return to apply.</source>
        <translation>Les gains appartiennent à la balance des blancs personnalisée choisie ci-dessus et ne sont modifiables que lorsque l&apos;une des valeurs Personnalisé 1 à 3 est choisie&#xa0;: de 100 à 999, appuyez sur Entrée pour appliquer.</translation>
    </message>
    <message>
        <source>Camera and power</source>
        <translation>Caméra et alimentation</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Alimentation</translation>
    </message>
    <message>
        <source>Start recording:</source>
        <translation>Démarrer l&apos;enregistrement&#xa0;:</translation>
    </message>
    <message>
        <source>Starts recording as soon as the camera gets power</source>
        <translation>Démarre l&apos;enregistrement dès que la caméra est alimentée</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Jamais</translation>
    </message>
    <message>
        <source>When external power is connected</source>
        <translation>À la connexion d&apos;une alimentation externe</translation>
    </message>
    <message>
        <source>When the power button is pressed</source>
        <translation>À l&apos;appui sur le bouton marche</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Les deux</translation>
    </message>
    <message>
        <source>Motion detection</source>
        <translation>Détection de mouvement</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Caméra</translation>
    </message>
    <message>
        <source>TV, web camera and card</source>
        <translation>TV, webcam et carte</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Save a &amp;Copy…</source>
        <translation>Enregistrer une &amp;copie…</translation>
    </message>
    <message>
        <source>&amp;Apply Settings From…</source>
        <translation>Appliquer les réglages d&apos;un &amp;fichier…</translation>
    </message>
    <message>
        <source>Apply &amp;to Connected Cameras…</source>
        <translation>&amp;Appliquer aux caméras connectées…</translation>
    </message>
    <message>
        <source>&amp;Revert</source>
        <translation>&amp;Revenir au fichier</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>Kavelo Manager &amp;Help</source>
        <translation>&amp;Aide de Kavelo Manager</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;About Kavelo Manager</source>
        <translation>À &amp;propos de Kavelo Manager</translation>
    </message>
    <message>
        <source>&amp;Eject camera</source>
        <translation>É&amp;jecter la caméra</translation>
    </message>
    <message>
        <source>Quit; asks first when there are unsaved changes</source>
        <translation>Quitter ; demande d’abord s’il y a des modifications non enregistrées</translation>
    </message>
</context>
<context>
    <name>MyAppDelegate</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Saved a copy as %1</source>
        <translation>Copie enregistrée sous %1</translation>
    </message>
    <message>
        <source>Revert to %1 as the card holds it?</source>
        <translation>Revenir à %1 tel que la carte le contient&#xa0;?</translation>
    </message>
    <message>
        <source>Your changes since it was opened or saved are lost.</source>
        <translation>Vos modifications depuis son ouverture ou son dernier enregistrement seront perdues.</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Revenir au fichier</translation>
    </message>
    <message>
        <source>Apply Settings From</source>
        <translation>Appliquer les réglages d&apos;un fichier</translation>
    </message>
    <message>
        <source>Took the settings of %1: %2 changed</source>
        <translation>Réglages de %1 repris&#xa0;: %2</translation>
    </message>
    <message>
        <source>1 setting</source>
        <translation>1 réglage modifié</translation>
    </message>
    <message>
        <source>%1 settings</source>
        <translation>%1 réglages modifiés</translation>
    </message>
    <message>
        <source>Ejecting a card needs the desktop&apos;s storage service (UDisks2), which is not running</source>
        <translation>L&apos;éjection d&apos;une carte nécessite le service de stockage du bureau (UDisks2), qui n&apos;est pas en cours d&apos;exécution</translation>
    </message>
    <message>
        <source>Eject</source>
        <translation>Éjecter</translation>
    </message>
    <message>
        <source>Unmount the card and power it off, so that it can be removed</source>
        <translation>Démonter la carte et la mettre hors tension, afin de pouvoir la retirer</translation>
    </message>
    <message>
        <source>%1 can be removed now</source>
        <translation>Vous pouvez maintenant retirer %1</translation>
    </message>
    <message>
        <source>Camera %1 connected</source>
        <translation>Caméra %1 connectée</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Card %1 is not mounted</source>
        <translation>La carte %1 n&apos;est pas montée</translation>
    </message>
    <message>
        <source>Mount and open</source>
        <translation>Monter et ouvrir</translation>
    </message>
    <message>
        <source>Card %1 is not answering</source>
        <translation>La carte %1 ne répond pas</translation>
    </message>
    <message>
        <source>Keep my settings</source>
        <translation>Garder mes réglages</translation>
    </message>
    <message>
        <source>No camera to eject: open its file first, or plug in only one</source>
        <translation>Aucune caméra à éjecter&#xa0;: ouvrez d&apos;abord son fichier, ou n&apos;en branchez qu&apos;une seule</translation>
    </message>
    <message>
        <source>Ejecting %1…</source>
        <translation>Éjection de %1…</translation>
    </message>
    <message>
        <source>Applying the settings…</source>
        <translation>Application des réglages…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Apply to Connected Cameras</source>
        <translation>Appliquer aux caméras connectées</translation>
    </message>
    <message>
        <source>Saving %1…</source>
        <translation>Enregistrement de %1…</translation>
    </message>
    <message>
        <source>not saved: </source>
        <translation>non enregistrée&#xa0;: </translation>
    </message>
    <message>
        <source>saved and checked</source>
        <translation>enregistrée et vérifiée</translation>
    </message>
    <message>
        <source>not checked: the file read back holds other settings</source>
        <translation>non vérifiée&#xa0;: le fichier relu contient d&apos;autres réglages</translation>
    </message>
    <message>
        <source>another program changed its file since it was opened; Save asks what to do</source>
        <translation>un autre programme a modifié son fichier depuis son ouverture&#xa0;; «&#xa0;Enregistrer&#xa0;» demande quoi faire</translation>
    </message>
    <message>
        <source>its file was deleted since it was opened; Save asks what to do</source>
        <translation>son fichier a été supprimé depuis son ouverture&#xa0;; «&#xa0;Enregistrer&#xa0;» demande quoi faire</translation>
    </message>
    <message>
        <source>another camera&apos;s file is there now</source>
        <translation>le fichier d&apos;une autre caméra s&apos;y trouve désormais</translation>
    </message>
    <message>
        <source>another program is using its file</source>
        <translation>un autre programme utilise son fichier</translation>
    </message>
    <message>
        <source>the card is not answering; what it holds now is unknown</source>
        <translation>la carte ne répond pas&#xa0;; son contenu actuel est inconnu</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>Voulez-vous enregistrer les modifications de %1&#xa0;?</translation>
    </message>
    <message>
        <source>The settings in the window differ from the file. Your changes are lost if you don&apos;t save them.</source>
        <translation>Les réglages de la fenêtre diffèrent du fichier. Vos modifications seront perdues si vous ne les enregistrez pas.</translation>
    </message>
    <message>
        <source>Firmware info: </source>
        <translation>Infos firmware&#xa0;: </translation>
    </message>
    <message>
        <source>Revision info: </source>
        <translation>Infos révision&#xa0;: </translation>
    </message>
    <message>
        <source>	 Camera time:</source>
        <translation>	 Heure de la caméra&#xa0;:</translation>
    </message>
    <message>
        <source>. </source>
        <translation>. </translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recharger</translation>
    </message>
    <message>
        <source>Open That Camera&apos;s File</source>
        <translation>Ouvrir le fichier de cette caméra</translation>
    </message>
    <message>
        <source>%1 was deleted since it was opened.</source>
        <translation>%1 a été supprimé depuis son ouverture.</translation>
    </message>
    <message>
        <source>Save makes it again with the settings in this window.</source>
        <translation>«&#xa0;Enregistrer&#xa0;» le recrée avec les réglages de cette fenêtre.</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened.</source>
        <translation>%1 a été modifié par un autre programme depuis son ouverture.</translation>
    </message>
    <message>
        <source>Overwrite replaces that change with the settings in this window. Reload shows what the file holds now; your changes are lost.</source>
        <translation>«&#xa0;Écraser&#xa0;» remplace cette modification par les réglages de cette fenêtre. «&#xa0;Recharger&#xa0;» affiche le contenu actuel du fichier&#xa0;; vos modifications sont alors perdues.</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Écraser</translation>
    </message>
    <message>
        <source>There is no room on the card for the safety copy that a save writes first.</source>
        <translation>La carte n&apos;a pas assez de place pour la copie de sécurité qu&apos;un enregistrement écrit d&apos;abord.</translation>
    </message>
    <message>
        <source>The new settings fit in the space %1 already takes, so they can be written over it directly. If the card is pulled out or the camera loses power in those milliseconds, %1 may be left damaged.</source>
        <translation>Les nouveaux réglages tiennent dans l&apos;espace qu&apos;occupe déjà %1&#xa0;; ils peuvent donc être écrits directement par-dessus. Si la carte est retirée ou si la caméra perd son alimentation pendant ces quelques millisecondes, %1 risque d&apos;être endommagé.</translation>
    </message>
    <message>
        <source>Write in Place</source>
        <translation>Écrire sur place</translation>
    </message>
</context>
<context>
    <name>NoticeBar</name>
    <message>
        <source>Notice</source>
        <translation>Avis</translation>
    </message>
</context>
<context>
    <name>OpenPanel</name>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>Text files (*.[tT][xX][tT])</source>
        <translation>Fichiers texte (*.[tT][xX][tT])</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Open camera configuration</source>
        <translation>Ouvrir la configuration de la caméra</translation>
    </message>
    <message>
        <source>Save a copy of the settings</source>
        <translation>Enregistrer une copie des réglages</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Video mode 1</source>
        <translation>Mode vidéo 1</translation>
    </message>
    <message>
        <source>Video mode 2</source>
        <translation>Mode vidéo 2</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>Large</translation>
    </message>
    <message>
        <source>Narrow</source>
        <translation>Étroit</translation>
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
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Rotated 180°</source>
        <translation>Rotation 180°</translation>
    </message>
    <message>
        <source>Year/Month/Day</source>
        <translation>Année/Mois/Jour</translation>
    </message>
    <message>
        <source>Day/Month/Year</source>
        <translation>Jour/Mois/Année</translation>
    </message>
    <message>
        <source>Month/Day/Year</source>
        <translation>Mois/Jour/Année</translation>
    </message>
    <message>
        <source>Keep the camera&apos;s clock</source>
        <translation>Garder l&apos;horloge de la caméra</translation>
    </message>
    <message>
        <source>Set the clock from this computer</source>
        <translation>Régler l&apos;horloge sur cet ordinateur</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>1920x1080 narrow</source>
        <translation>1920x1080 étroit</translation>
    </message>
    <message>
        <source>1920x1080 wide</source>
        <translation>1920x1080 large</translation>
    </message>
    <message>
        <source>1280x720 narrow</source>
        <translation>1280x720 étroit</translation>
    </message>
    <message>
        <source>1280x720 wide</source>
        <translation>1280x720 large</translation>
    </message>
    <message>
        <source>848x480 narrow</source>
        <translation>848x480 étroit</translation>
    </message>
    <message>
        <source>848x480 wide</source>
        <translation>848x480 large</translation>
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
        <translation>Basse</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Haute</translation>
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
        <translation>Aucun</translation>
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
        <translation>Jamais</translation>
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
        <translation>Grand angle</translation>
    </message>
    <message>
        <source>Fisheye</source>
        <translation>Fish-eye</translation>
    </message>
    <message>
        <source>Mass storage</source>
        <translation>Stockage de masse</translation>
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
        <translation>Lumière du jour</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>Nuageux</translation>
    </message>
    <message>
        <source>Tungsten</source>
        <translation>Tungstène</translation>
    </message>
    <message>
        <source>Fluorescent</source>
        <translation>Fluorescent</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Personnalisé 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Personnalisé 2</translation>
    </message>
    <message>
        <source>Custom 3</source>
        <translation>Personnalisé 3</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>Noir et blanc</translation>
    </message>
    <message>
        <source>Sepia</source>
        <translation>Sépia</translation>
    </message>
    <message>
        <source>No control changes it; it is kept as the file has it</source>
        <translation>Aucune commande ne le modifie&#xa0;; il est conservé tel que le fichier l&apos;indique</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Résolution</translation>
    </message>
    <message>
        <source>The picture size of the video and, in its lowest bit, the field of view</source>
        <translation>La taille d&apos;image de la vidéo et, dans son bit de poids faible, le champ de vision</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>Fréquence d&apos;images</translation>
    </message>
    <message>
        <source>Pictures per second; 60 and 50 fps record at 1280x720 wide and 848x480 only</source>
        <translation>Images par seconde&#xa0;; 60 et 50 fps n&apos;enregistrent qu&apos;en 1280x720 large et en 848x480</translation>
    </message>
    <message>
        <source>Time lapse</source>
        <translation>Time-lapse</translation>
    </message>
    <message>
        <source>Records one frame per interval; Off records normally</source>
        <translation>Enregistre une image par intervalle&#xa0;; Désactivé enregistre normalement</translation>
    </message>
    <message>
        <source>Time lapse custom value</source>
        <translation>Valeur personnalisée du time-lapse</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Records sound with the video</source>
        <translation>Enregistre le son avec la vidéo</translation>
    </message>
    <message>
        <source>Clip length</source>
        <translation>Durée des clips</translation>
    </message>
    <message>
        <source>The length of each video file; loop recording allows 3 or 5 minutes</source>
        <translation>La durée de chaque fichier vidéo&#xa0;; l&apos;enregistrement en boucle permet 3 ou 5 minutes</translation>
    </message>
    <message>
        <source>Loop recording</source>
        <translation>Enregistrement en boucle</translation>
    </message>
    <message>
        <source>When the card is full, the oldest clip is overwritten</source>
        <translation>Quand la carte est pleine, le clip le plus ancien est écrasé</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientation</translation>
    </message>
    <message>
        <source>Rotated 180° for a camera mounted upside down</source>
        <translation>Rotation de 180° pour une caméra montée à l&apos;envers</translation>
    </message>
    <message>
        <source>Time stamp</source>
        <translation>Horodatage</translation>
    </message>
    <message>
        <source>Prints the date and time into the picture</source>
        <translation>Incruste la date et l&apos;heure dans l&apos;image</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualité</translation>
    </message>
    <message>
        <source>Higher quality records more data per second</source>
        <translation>Une qualité plus haute enregistre plus de données par seconde</translation>
    </message>
    <message>
        <source>High dynamic range</source>
        <translation>Plage dynamique étendue</translation>
    </message>
    <message>
        <source>Evens out bright and dark parts of the picture</source>
        <translation>Équilibre les zones claires et sombres de l&apos;image</translation>
    </message>
    <message>
        <source>File format</source>
        <translation>Format de fichier</translation>
    </message>
    <message>
        <source>The kind of file the video is recorded into</source>
        <translation>Le type de fichier dans lequel la vidéo est enregistrée</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Format de date</translation>
    </message>
    <message>
        <source>The order of year, month and day in the date line</source>
        <translation>L&apos;ordre de l&apos;année, du mois et du jour dans la ligne de date</translation>
    </message>
    <message>
        <source>Camera clock</source>
        <translation>Horloge de la caméra</translation>
    </message>
    <message>
        <source>Whether a save sets the camera&apos;s clock to this computer&apos;s time</source>
        <translation>Si l&apos;enregistrement règle l&apos;horloge de la caméra sur l&apos;heure de cet ordinateur</translation>
    </message>
    <message>
        <source>Start mode</source>
        <translation>Mode au démarrage</translation>
    </message>
    <message>
        <source>The mode the camera is in after switching on</source>
        <translation>Le mode de la caméra après sa mise en marche</translation>
    </message>
    <message>
        <source>Photo size</source>
        <translation>Taille des photos</translation>
    </message>
    <message>
        <source>The size of each photo</source>
        <translation>La taille de chaque photo</translation>
    </message>
    <message>
        <source>Takes one photo per interval; Off takes single photos</source>
        <translation>Prend une photo par intervalle&#xa0;; Désactivé prend des photos une par une</translation>
    </message>
    <message>
        <source>Prints the date and time into the photo</source>
        <translation>Incruste la date et l&apos;heure dans la photo</translation>
    </message>
    <message>
        <source>Power-on delay</source>
        <translation>Délai à l&apos;allumage</translation>
    </message>
    <message>
        <source>How long the camera waits after power comes on</source>
        <translation>Le temps d&apos;attente de la caméra après sa mise sous tension</translation>
    </message>
    <message>
        <source>Auto off</source>
        <translation>Arrêt automatique</translation>
    </message>
    <message>
        <source>Switches off after this time without use</source>
        <translation>S&apos;éteint après cette durée sans utilisation</translation>
    </message>
    <message>
        <source>Record on external power</source>
        <translation>Enregistrer sur alimentation externe</translation>
    </message>
    <message>
        <source>Starts recording as soon as the camera gets external power</source>
        <translation>Démarre l&apos;enregistrement dès que la caméra reçoit une alimentation externe</translation>
    </message>
    <message>
        <source>Record at power button</source>
        <translation>Enregistrer au bouton marche</translation>
    </message>
    <message>
        <source>Starts recording when the power button switches the camera on</source>
        <translation>Démarre l&apos;enregistrement quand le bouton marche allume la caméra</translation>
    </message>
    <message>
        <source>Off when unplugged</source>
        <translation>Arrêt au débranchement</translation>
    </message>
    <message>
        <source>Switches off when external power is disconnected</source>
        <translation>S&apos;éteint quand l&apos;alimentation externe est débranchée</translation>
    </message>
    <message>
        <source>Recording light</source>
        <translation>Voyant d&apos;enregistrement</translation>
    </message>
    <message>
        <source>The light that shows the camera is recording</source>
        <translation>Le voyant qui indique que la caméra enregistre</translation>
    </message>
    <message>
        <source>USB charging</source>
        <translation>Charge par USB</translation>
    </message>
    <message>
        <source>Charges from a computer&apos;s USB port</source>
        <translation>Se recharge sur le port USB d&apos;un ordinateur</translation>
    </message>
    <message>
        <source>Lens</source>
        <translation>Objectif</translation>
    </message>
    <message>
        <source>The lens fitted to the camera, so that the picture is corrected for it</source>
        <translation>L&apos;objectif monté sur la caméra, pour que l&apos;image soit corrigée en conséquence</translation>
    </message>
    <message>
        <source>Light frequency</source>
        <translation>Fréquence de l&apos;éclairage</translation>
    </message>
    <message>
        <source>The mains frequency, against flicker under artificial light</source>
        <translation>La fréquence du secteur, contre le scintillement sous éclairage artificiel</translation>
    </message>
    <message>
        <source>USB mode</source>
        <translation>Mode USB</translation>
    </message>
    <message>
        <source>What the camera is when plugged into a computer</source>
        <translation>Ce que devient la caméra quand elle est branchée à un ordinateur</translation>
    </message>
    <message>
        <source>Web camera orientation</source>
        <translation>Orientation de la webcam</translation>
    </message>
    <message>
        <source>Rotated 180° for a web camera mounted upside down</source>
        <translation>Rotation de 180° pour une webcam montée à l&apos;envers</translation>
    </message>
    <message>
        <source>TV system</source>
        <translation>Système TV</translation>
    </message>
    <message>
        <source>The TV standard of the video output</source>
        <translation>La norme TV de la sortie vidéo</translation>
    </message>
    <message>
        <source>TV aspect ratio</source>
        <translation>Format d&apos;image TV</translation>
    </message>
    <message>
        <source>The shape of the picture on a TV</source>
        <translation>Les proportions de l&apos;image sur un téléviseur</translation>
    </message>
    <message>
        <source>Card format</source>
        <translation>Format de la carte</translation>
    </message>
    <message>
        <source>The file system the camera formats its card with; firmware 2.18 and later</source>
        <translation>Le système de fichiers avec lequel la caméra formate sa carte&#xa0;; firmware 2.18 et ultérieurs</translation>
    </message>
    <message>
        <source>Motion detection</source>
        <translation>Détection de mouvement</translation>
    </message>
    <message>
        <source>Records when something moves</source>
        <translation>Enregistre quand quelque chose bouge</translation>
    </message>
    <message>
        <source>Motion timeout</source>
        <translation>Délai après mouvement</translation>
    </message>
    <message>
        <source>Stops recording this long after the motion ends</source>
        <translation>Arrête l&apos;enregistrement ce délai après la fin du mouvement</translation>
    </message>
    <message>
        <source>Motion sensitivity</source>
        <translation>Sensibilité au mouvement</translation>
    </message>
    <message>
        <source>How little movement starts a recording</source>
        <translation>Plus elle est haute, moins il faut de mouvement pour démarrer un enregistrement</translation>
    </message>
    <message>
        <source>White balance</source>
        <translation>Balance des blancs</translation>
    </message>
    <message>
        <source>Colour correction for the light; Custom 1 to 3 use their own gains</source>
        <translation>Correction des couleurs selon la lumière&#xa0;; Personnalisé 1 à 3 utilisent leurs propres gains</translation>
    </message>
    <message>
        <source>Colour effect</source>
        <translation>Effet de couleur</translation>
    </message>
    <message>
        <source>Pictures in colour, in black and white, or in sepia</source>
        <translation>Images en couleur, en noir et blanc ou en sépia</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Exposition</translation>
    </message>
    <message>
        <source>Brighter to the right, darker to the left</source>
        <translation>Plus clair vers la droite, plus sombre vers la gauche</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>Stronger contrast to the right</source>
        <translation>Contraste plus fort vers la droite</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <source>Stronger colours to the right</source>
        <translation>Couleurs plus vives vers la droite</translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation>Netteté</translation>
    </message>
    <message>
        <source>Sharper edges to the right</source>
        <translation>Contours plus nets vers la droite</translation>
    </message>
    <message>
        <source>Red gain</source>
        <translation>Gain rouge</translation>
    </message>
    <message>
        <source>Green gain</source>
        <translation>Gain vert</translation>
    </message>
    <message>
        <source>Blue gain</source>
        <translation>Gain bleu</translation>
    </message>
    <message>
        <source>The red gain of this custom white balance, 100 to 999</source>
        <translation>Le gain rouge de cette balance des blancs personnalisée, de 100 à 999</translation>
    </message>
    <message>
        <source>The green gain of this custom white balance, 100 to 999</source>
        <translation>Le gain vert de cette balance des blancs personnalisée, de 100 à 999</translation>
    </message>
    <message>
        <source>The blue gain of this custom white balance, 100 to 999</source>
        <translation>Le gain bleu de cette balance des blancs personnalisée, de 100 à 999</translation>
    </message>
    <message>
        <source>Starts recording when the camera gets external power, when its power button switches it on, or both</source>
        <translation>Démarre l’enregistrement quand la caméra reçoit une alimentation externe, quand son bouton marche l’allume, ou les deux</translation>
    </message>
    <message>
        <source>Field of view</source>
        <translation>Champ de vision</translation>
    </message>
    <message>
        <source>Wide or narrow picture</source>
        <translation>Image large ou étroite</translation>
    </message>
</context>
<context>
    <name>SettingsForm</name>
    <message>
        <source>%1 (kavelo-config: %2)</source>
        <translation>%1 (kavelo-config&#xa0;: %2)</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1:</source>
        <comment>a caption before its control</comment>
        <translation>%1 :</translation>
    </message>
</context>
<context>
    <name>StatusMessages</name>
    <message>
        <source>no camera identifiers, so no camera&apos;s configuration file</source>
        <translation>aucun identifiant de caméra, ce n&apos;est donc pas le fichier de configuration d&apos;une caméra</translation>
    </message>
    <message>
        <source>Loaded %1</source>
        <translation>%1 chargé</translation>
    </message>
    <message>
        <source>Not loaded: %1: %2</source>
        <translation>Non chargé&#xa0;: %1&#xa0;: %2</translation>
    </message>
    <message>
        <source> Save still writes %1.</source>
        <translation> «&#xa0;Enregistrer&#xa0;» écrit toujours dans %1.</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 enregistré</translation>
    </message>
    <message>
        <source>Not saved: %1: %2; the file is as it was</source>
        <translation>Non enregistré&#xa0;: %1&#xa0;: %2&#xa0;; le fichier est inchangé</translation>
    </message>
    <message>
        <source>the card is full</source>
        <translation>la carte est pleine</translation>
    </message>
    <message>
        <source>the file would be larger than this system allows</source>
        <translation>le fichier dépasserait la taille permise par ce système</translation>
    </message>
    <message>
        <source>the card is write-protected</source>
        <translation>la carte est protégée en écriture</translation>
    </message>
    <message>
        <source>you may not write this file</source>
        <translation>vous n&apos;avez pas le droit d&apos;écrire dans ce fichier</translation>
    </message>
    <message>
        <source>the card was removed or cannot be reached</source>
        <translation>la carte a été retirée ou est inaccessible</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>le fichier n&apos;a pas pu être écrit</translation>
    </message>
    <message>
        <source>%1: %2 does not record at %3</source>
        <translation>%1&#xa0;: %2 n&apos;enregistre pas en %3</translation>
    </message>
    <message>
        <source>%1: %2 lowered to %3 because %4 is on; Save writes it</source>
        <translation>%1&#xa0;: %2 ramenée à %3 car l&apos;option %4 est activée&#xa0;; «&#xa0;Enregistrer&#xa0;» l&apos;écrit</translation>
    </message>
    <message>
        <source>. </source>
        <translation>. </translation>
    </message>
    <message>
        <source>Not saved: %1 is in use by another program; try again in a moment</source>
        <translation>Non enregistré&#xa0;: %1 est utilisé par un autre programme&#xa0;; réessayez dans un instant</translation>
    </message>
    <message>
        <source>Not saved: the card holding %1 is not answering; what it holds now is unknown. Take it out and put it in again, then Save</source>
        <translation>Non enregistré&#xa0;: la carte contenant %1 ne répond pas&#xa0;; son contenu actuel est inconnu. Retirez-la et réinsérez-la, puis cliquez sur «&#xa0;Enregistrer&#xa0;»</translation>
    </message>
    <message>
        <source>Not saved: %1 is now another camera&apos;s file (%2); these settings stay in the window</source>
        <translation>Non enregistré&#xa0;: %1 est désormais le fichier d&apos;une autre caméra (%2)&#xa0;; ces réglages restent dans la fenêtre</translation>
    </message>
    <message>
        <source>no camera identifiers</source>
        <translation>aucun identifiant de caméra</translation>
    </message>
    <message>
        <source>%1 was changed %2by another program.</source>
        <translation>%1 a été modifié %2par un autre programme.</translation>
    </message>
    <message>
        <source>on the card </source>
        <translation>sur la carte </translation>
    </message>
    <message>
        <source>%1 was deleted %2by another program.</source>
        <translation>%1 a été supprimé %2par un autre programme.</translation>
    </message>
    <message>
        <source>from the card </source>
        <translation>de la carte </translation>
    </message>
    <message>
        <source>The card %1 was removed: Save cannot write %2 until it is back</source>
        <translation>La carte %1 a été retirée&#xa0;: «&#xa0;Enregistrer&#xa0;» ne peut pas écrire dans %2 tant qu&apos;elle n&apos;est pas remise</translation>
    </message>
    <message>
        <source>The card %1 is back: Save writes %2 again</source>
        <translation>La carte %1 est de retour&#xa0;: «&#xa0;Enregistrer&#xa0;» écrit de nouveau dans %2</translation>
    </message>
    <message>
        <source>clip length</source>
        <translation>durée des clips</translation>
    </message>
    <message>
        <source>loop recording</source>
        <translation>enregistrement en boucle</translation>
    </message>
</context>
</TS>
