<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CAddWaveDlg</name>
    <message>
        <source>of 1 frame</source>
        <translation>sur 1 image</translation>
    </message>
    <message>
        <source>of %1 frames</source>
        <translation>sur %1 images</translation>
    </message>
    <message>
        <source>end</source>
        <translation>fin</translation>
    </message>
    <message>
        <source>The start must be a whole number of 0 or more.</source>
        <translation>Le début doit être un nombre entier, 0 ou plus.</translation>
    </message>
    <message>
        <source>The stop must be empty or a whole number of %1 or more.</source>
        <translation>La fin doit être vide ou un nombre entier d’au moins %1.</translation>
    </message>
    <message>
        <source>Leave the stop empty to play until the pause or the end of the greeting.</source>
        <translation>Laissez la fin vide pour jouer jusqu’à la pause ou à la fin de la carte.</translation>
    </message>
</context>
<context>
    <name>CContactsDlg</name>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>E-mail address</source>
        <translation>Adresse e-mail</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Anniversaire</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contacts</translation>
    </message>
    <message>
        <source>Add a contact from the fields</source>
        <translation>Ajouter un contact avec ces champs</translation>
    </message>
    <message>
        <source>Change the chosen contact to the fields</source>
        <translation>Modifier le contact choisi avec ces champs</translation>
    </message>
    <message>
        <source>Remove the chosen contact</source>
        <translation>Supprimer le contact choisi</translation>
    </message>
    <message>
        <source>Import contacts from a vCard or CSV file</source>
        <translation>Importer des contacts depuis un fichier vCard ou CSV</translation>
    </message>
    <message>
        <source>Export the contacts as a vCard file</source>
        <translation>Exporter les contacts dans un fichier vCard</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>%1 has cards that cannot be read (%2); it is shown, and left unchanged.</source>
        <translation>%1 contient des fiches illisibles (%2) ; il est affiché, mais laissé tel quel.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an e-mail address.</source>
        <translation>« %1 » n’est pas une adresse e-mail.</translation>
    </message>
    <message>
        <source>Type a name or an e-mail address first.</source>
        <translation>Saisissez d’abord un nom ou une adresse e-mail.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a birthday: write 1990-05-17, or --05-17 without the year.</source>
        <translation>« %1 » n’est pas une date d’anniversaire : écrivez 1990-05-17, ou --05-17 sans l’année.</translation>
    </message>
    <message>
        <source>%1 has cards that cannot be read, so it is not changed; mend it or move it away first.</source>
        <translation>%1 contient des fiches illisibles, il n’est donc pas modifié ; réparez-le ou déplacez-le d’abord.</translation>
    </message>
    <message>
        <source>Choose a contact in the list first.</source>
        <translation>Choisissez d’abord un contact dans la liste.</translation>
    </message>
    <message>
        <source>%1 added, %2 merged.</source>
        <translation>%1 ajouté(s), %2 fusionné(s).</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>Ignoré : %1</translation>
    </message>
    <message>
        <source> and %1 more.</source>
        <translation> et %1 de plus.</translation>
    </message>
    <message>
        <source>vCard</source>
        <translation>vCard</translation>
    </message>
</context>
<context>
    <name>CEditorDialog</name>
    <message>
        <source>Sending the greeting</source>
        <translation>Envoi de la carte</translation>
    </message>
    <message>
        <source>Sending the greeting: %1, %2 %</source>
        <translation>Envoi de la carte : %1, %2 %</translation>
    </message>
    <message>
        <source>The effect was not added: there is no object where it was dropped, and no object is selected. Drop it on an object, or select objects first.</source>
        <translation>L’effet n’a pas été ajouté : il n’y a aucun objet là où il a été déposé, et aucun objet n’est sélectionné. Déposez-le sur un objet, ou sélectionnez d’abord des objets.</translation>
    </message>
    <message>
        <source>The greeting cannot be exported to %1: %2.</source>
        <translation>La carte ne peut pas être exportée vers %1 : %2.</translation>
    </message>
    <message>
        <source>The greeting cannot be exported: no private copy of it can be written into %1.</source>
        <translation>La carte ne peut pas être exportée : impossible d’en écrire une copie privée dans %1.</translation>
    </message>
    <message>
        <source>The greeting was exported to %1.</source>
        <translation>La carte a été exportée vers %1.</translation>
    </message>
    <message>
        <source>The greeting cannot be exported to %1.</source>
        <translation>La carte ne peut pas être exportée vers %1.</translation>
    </message>
    <message>
        <source>The greeting cannot be written to %1.</source>
        <translation>La carte ne peut pas être écrite dans %1.</translation>
    </message>
    <message>
        <source>The recording cannot be written into %1.</source>
        <translation>L’enregistrement ne peut pas être écrit dans %1.</translation>
    </message>
    <message>
        <source>Sending has ended</source>
        <translation>L’envoi est terminé</translation>
    </message>
    <message>
        <source>Background menu</source>
        <translation>Menu de l’arrière-plan</translation>
    </message>
    <message>
        <source>Object menu</source>
        <translation>Menu de l’objet</translation>
    </message>
    <message>
        <source>Animated GIF picture</source>
        <translation>Image GIF animée</translation>
    </message>
    <message>
        <source>Animated PNG picture</source>
        <translation>Image PNG animée</translation>
    </message>
    <message>
        <source>WebM video</source>
        <translation>Vidéo WebM</translation>
    </message>
    <message>
        <source>MP4 video</source>
        <translation>Vidéo MP4</translation>
    </message>
    <message>
        <source>Pasted picture</source>
        <translation>Image collée</translation>
    </message>
    <message>
        <source>%1 was not placed: open or start a greeting first, then drop the picture on its stage.</source>
        <translation>%1 n’a pas été placé : ouvrez ou commencez d’abord une carte, puis déposez l’image sur sa scène.</translation>
    </message>
    <message>
        <source>%1 was not added: drop a song on the object that is to play it.</source>
        <translation>%1 n’a pas été ajouté : déposez une chanson sur l’objet qui doit la jouer.</translation>
    </message>
    <message>
        <source>%1 cannot be used here: only pictures (PNG, JPEG, GIF, WebP, BMP, HEIC, AVIF), songs (on an object) and greetings (.kel) can be dropped on the stage.</source>
        <translation>%1 ne peut pas servir ici : seules les images (PNG, JPEG, GIF, WebP, BMP, HEIC, AVIF), les chansons (sur un objet) et les cartes (.kel) peuvent être déposées sur la scène.</translation>
    </message>
</context>
<context>
    <name>CEmojiPicker</name>
    <message>
        <source>Emoji</source>
        <translation>Émoji</translation>
    </message>
    <message>
        <source>Search by name</source>
        <translation>Chercher par nom</translation>
    </message>
    <message>
        <source>Search emoji by name</source>
        <translation>Chercher un émoji par son nom</translation>
    </message>
    <message>
        <source>No emoji has that name.</source>
        <translation>Aucun émoji ne porte ce nom.</translation>
    </message>
</context>
<context>
    <name>CExportVideoDlg</name>
    <message>
        <source>Starting…</source>
        <translation>Démarrage…</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>Annulation…</translation>
    </message>
    <message>
        <source>Choosing the colours: frame %1 of %2</source>
        <translation>Choix des couleurs : image %1 sur %2</translation>
    </message>
    <message>
        <source>Frame %1 of %2</source>
        <translation>Image %1 sur %2</translation>
    </message>
</context>
<context>
    <name>CFileProgressDlg</name>
    <message>
        <source>Opening %1</source>
        <translation>Ouverture de %1</translation>
    </message>
    <message>
        <source>Saving %1</source>
        <translation>Enregistrement de %1</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Démarrage…</translation>
    </message>
    <message>
        <source>Reading the file…</source>
        <translation>Lecture du fichier…</translation>
    </message>
    <message>
        <source>Unpacking…</source>
        <translation>Décompression…</translation>
    </message>
    <message>
        <source>Building the greeting…</source>
        <translation>Construction de la carte…</translation>
    </message>
    <message>
        <source>Gathering the greeting…</source>
        <translation>Rassemblement de la carte…</translation>
    </message>
    <message>
        <source>Compressing…</source>
        <translation>Compression…</translation>
    </message>
    <message>
        <source>Writing the file…</source>
        <translation>Écriture du fichier…</translation>
    </message>
</context>
<context>
    <name>CKeptCopiesDlg</name>
    <message>
        <source>Greetings to recover</source>
        <translation>Cartes à récupérer</translation>
    </message>
    <message>
        <source>The editor ended before these greetings were saved.</source>
        <translation>L’éditeur s’est arrêté avant que ces cartes soient enregistrées.</translation>
    </message>
    <message>
        <source>Earlier versions</source>
        <translation>Versions précédentes</translation>
    </message>
    <message>
        <source>Earlier versions of “%1”</source>
        <translation>Versions précédentes de « %1 »</translation>
    </message>
    <message>
        <source>Each is the greeting as it was before a save replaced it.</source>
        <translation>Chacune est la carte telle qu’elle était avant qu’un enregistrement la remplace.</translation>
    </message>
    <message>
        <source>Each greeting&apos;s name, where it came from and when it was kept</source>
        <translation>Le nom de chaque carte, sa provenance et quand elle a été gardée</translation>
    </message>
    <message>
        <source>When each version was replaced, and its size</source>
        <translation>Quand chaque version a été remplacée, et sa taille</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Open the chosen greeting in the editor</source>
        <translation>Ouvrir la carte choisie dans l’éditeur</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>Enregistrer sous…</translation>
    </message>
    <message>
        <source>Save the chosen greeting in a file of your choice</source>
        <translation>Enregistrer la carte choisie dans un fichier de votre choix</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>Throw the chosen greeting away, after asking</source>
        <translation>Jeter la carte choisie, après confirmation</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Plus tard</translation>
    </message>
    <message>
        <source>Close this window and keep every greeting for the next start</source>
        <translation>Fermer cette fenêtre et garder chaque carte pour le prochain démarrage</translation>
    </message>
    <message>
        <source>Open the chosen version in the editor as a greeting of its own</source>
        <translation>Ouvrir la version choisie dans l’éditeur comme une carte à part</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>Fermer cette fenêtre</translation>
    </message>
    <message>
        <source>Never saved</source>
        <translation>Jamais enregistrée</translation>
    </message>
    <message>
        <source>Kept on %1 at %2</source>
        <translation>Gardée le %1 à %2</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <extracomment>A recovered greeting as a screen reader reads it: its name, where it came from and when it was kept.</extracomment>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>As it was until %1 at %2</source>
        <translation>Telle qu’elle était jusqu’au %1 à %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>This copy cannot be read.</source>
        <translation>Cette copie est illisible.</translation>
    </message>
    <message>
        <source>Cannot be opened: %1</source>
        <translation>Impossible de l’ouvrir : %1</translation>
    </message>
    <message>
        <source>Discard the recovered greeting “%1”? It cannot be brought back.</source>
        <translation>Abandonner la carte récupérée « %1 » ? Elle ne pourra pas être retrouvée.</translation>
    </message>
</context>
<context>
    <name>CLayerManagerDlg</name>
    <message>
        <source>&lt;error&gt;</source>
        <translation>&lt;erreur&gt;</translation>
    </message>
    <message>
        <source>%1: frames %2 to %3</source>
        <translation>%1 : images %2 à %3</translation>
    </message>
    <message>
        <source>%1: from frame %2</source>
        <translation>%1 : à partir de l’image %2</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>Page suivante</translation>
    </message>
</context>
<context>
    <name>CLibraryBrowser</name>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Library items</source>
        <translation>Éléments de la bibliothèque</translation>
    </message>
    <message>
        <source>Library browser</source>
        <translation>Fenêtre de la bibliothèque</translation>
    </message>
</context>
<context>
    <name>CMailOptionsDlg</name>
    <message>
        <source>Sign in with an app password made in the account&apos;s security settings.</source>
        <translation>Connectez-vous avec un mot de passe d’application créé dans les paramètres de sécurité du compte.</translation>
    </message>
    <message>
        <source>With two-step sign-in turned on, sign in with an app password.</source>
        <translation>Si la validation en deux étapes est activée, connectez-vous avec un mot de passe d’application.</translation>
    </message>
    <message>
        <source>Turn on POP3/IMAP access in the web mail&apos;s settings first.</source>
        <translation>Activez d’abord l’accès POP3/IMAP dans les paramètres du webmail.</translation>
    </message>
    <message>
        <source>Sign in with the separate e-mail password set in the customer centre.</source>
        <translation>Connectez-vous avec le mot de passe e-mail distinct défini dans l’espace client.</translation>
    </message>
    <message>
        <source>The provider wants its own sign-in; a password may be refused.</source>
        <translation>Le fournisseur impose sa propre connexion ; un mot de passe peut être refusé.</translation>
    </message>
    <message>
        <source>Only through the provider&apos;s bridge program running on this computer, whose certificate this computer must trust.</source>
        <translation>Uniquement par le programme passerelle du fournisseur, lancé sur cet ordinateur, dont le certificat doit être approuvé par cet ordinateur.</translation>
    </message>
    <message>
        <source>Where the mail server was found</source>
        <translation>Où le serveur de messagerie a été trouvé</translation>
    </message>
    <message>
        <source>Attach the video with sound</source>
        <translation>Joindre la vidéo avec le son</translation>
    </message>
    <message>
        <source>The greeting as a video with its sound, which every computer plays</source>
        <translation>La carte en vidéo avec son, que tout ordinateur sait lire</translation>
    </message>
    <message>
        <source>Attach the greeting file</source>
        <translation>Joindre le fichier de la carte</translation>
    </message>
    <message>
        <source>The greeting file itself, to open and change in this program</source>
        <translation>Le fichier de la carte lui-même, à ouvrir et modifier dans ce programme</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>inchangé</translation>
    </message>
    <message>
        <source>Looking for the mail server of %1…</source>
        <translation>Recherche du serveur de messagerie de %1…</translation>
    </message>
    <message>
        <source>Found in the list of providers: %1.</source>
        <translation>Trouvé dans la liste des fournisseurs : %1.</translation>
    </message>
    <message>
        <source>Found in the domain&apos;s DNS records.</source>
        <translation>Trouvé dans les enregistrements DNS du domaine.</translation>
    </message>
    <message>
        <source>A guess: check it with your provider.</source>
        <translation>Une supposition : vérifiez auprès de votre fournisseur.</translation>
    </message>
    <message>
        <source>Published at %1</source>
        <translation>Publié sur %1</translation>
    </message>
    <message>
        <source>Talk to the server as mail always went: no protection, no login (port 25)</source>
        <translation>Parler au serveur comme le courrier l’a toujours fait : sans protection, sans connexion (port 25)</translation>
    </message>
    <message>
        <source>Protect the talk after it begins (submission, port 587)</source>
        <translation>Protéger l’échange une fois commencé (soumission, port 587)</translation>
    </message>
    <message>
        <source>Protect the talk from its first byte (port 465)</source>
        <translation>Protéger l’échange dès son premier octet (port 465)</translation>
    </message>
    <message>
        <source>The greeting moves inside the message, in every mail reader</source>
        <translation>La carte s’anime dans le message même, dans tous les logiciels de messagerie</translation>
    </message>
    <message>
        <source>Send the self-playing attachment too (some mail services refuse programs)</source>
        <translation>Envoyer aussi la pièce jointe qui se lit toute seule (certains services de messagerie refusent les programmes)</translation>
    </message>
</context>
<context>
    <name>CMainToolbar</name>
    <message>
        <source>Toolbar</source>
        <translation>Barre d’outils</translation>
    </message>
</context>
<context>
    <name>CManual</name>
    <message>
        <source>No web browser could be started to show the manual. Open %1 in your browser.</source>
        <translation>Aucun navigateur web n&apos;a pu être lancé pour afficher le manuel. Ouvrez %1 dans votre navigateur.</translation>
    </message>
    <message>
        <source>The manual is not installed. Vimble e-mail&apos;s manual belongs in share/doc/vimble-email/manual beside the program; installing the program again puts it there.</source>
        <translation>Le manuel n&apos;est pas installé. Le manuel de Vimble e-mail se trouve dans share/doc/vimble-email/manual à côté du programme ; réinstaller le programme l&apos;y remet.</translation>
    </message>
</context>
<context>
    <name>CMoviePropertiesDlg</name>
    <message>
        <source>None</source>
        <translation>Sans</translation>
    </message>
</context>
<context>
    <name>CObjectEditor</name>
    <message>
        <source>Picture properties</source>
        <translation>Propriétés de l’image</translation>
    </message>
    <message>
        <source>Animation properties</source>
        <translation>Propriétés de l’animation</translation>
    </message>
    <message>
        <source>Clipart properties</source>
        <translation>Propriétés du clipart</translation>
    </message>
</context>
<context>
    <name>CObjectPropertiesDlg</name>
    <message>
        <source>Shapes and lines have no text.</source>
        <translation>Les formes et les traits n’ont pas de texte.</translation>
    </message>
    <message>
        <source>its name has characters that a greeting cannot store</source>
        <translation>son nom contient des caractères qu’une carte ne peut pas enregistrer</translation>
    </message>
    <message>
        <source>its name is longer than 31 characters</source>
        <translation>son nom dépasse 31 caractères</translation>
    </message>
    <message>
        <source>The font &quot;%1&quot; cannot be used: %2.</source>
        <translation>La police « %1 » ne peut pas être utilisée : %2.</translation>
    </message>
    <message>
        <source>The text keeps its font.</source>
        <translation>Le texte garde sa police.</translation>
    </message>
    <message>
        <source>The text keeps the font &quot;%1&quot;.</source>
        <translation>Le texte garde la police « %1 ».</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Line width</source>
        <translation>Épaisseur du trait</translation>
    </message>
    <message>
        <source>Font family</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>Émoji</translation>
    </message>
    <message>
        <source>Put an emoji into the text</source>
        <translation>Mettre un émoji dans le texte</translation>
    </message>
    <message>
        <source>%1 (not installed)</source>
        <translation>%1 (non installée)</translation>
    </message>
    <message>
        <source>The line width must be a whole number from 0 to 99 pixels. It stays at %1.</source>
        <translation>L’épaisseur du trait doit être un nombre entier de 0 à 99 pixels. Elle reste à %1.</translation>
    </message>
</context>
<context>
    <name>COutboxDlg</name>
    <message>
        <source>Outbox</source>
        <translation>Boîte d’envoi</translation>
    </message>
    <message>
        <source>Planned greetings</source>
        <translation>Cartes programmées</translation>
    </message>
    <message>
        <source>Each greeting&apos;s time, recipient, subject and whether it was sent</source>
        <translation>Pour chaque carte : l’heure, le destinataire, l’objet et si elle a été envoyée</translation>
    </message>
    <message>
        <source>Send now</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Send the chosen greeting now</source>
        <translation>Envoyer maintenant la carte choisie</translation>
    </message>
    <message>
        <source>Don&apos;t send</source>
        <translation>Ne pas envoyer</translation>
    </message>
    <message>
        <source>Keep the chosen greeting from being sent</source>
        <translation>Empêcher l’envoi de la carte choisie</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Open the chosen greeting in the editor</source>
        <translation>Ouvrir la carte choisie dans l’éditeur</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Remove the chosen greeting from the outbox</source>
        <translation>Retirer la carte choisie de la boîte d’envoi</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>every year</source>
        <translation>chaque année</translation>
    </message>
    <message>
        <source>(no subject)</source>
        <translation>(sans objet)</translation>
    </message>
    <message>
        <source>sent on %1, next in a year</source>
        <translation>envoyée le %1, prochaine dans un an</translation>
    </message>
    <message>
        <source>waiting to try again</source>
        <translation>en attente d’un nouvel essai</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>en attente</translation>
    </message>
    <message>
        <source>waiting for the password</source>
        <translation>en attente du mot de passe</translation>
    </message>
    <message>
        <source>perhaps sent: decide</source>
        <translation>peut-être envoyée : à vous de décider</translation>
    </message>
    <message>
        <source>sent on %1</source>
        <translation>envoyée le %1</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>échec : %1</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>non envoyée</translation>
    </message>
    <message>
        <source>being sent now…</source>
        <translation>envoi en cours…</translation>
    </message>
    <message>
        <source>The mail server&apos;s last word: %1</source>
        <translation>Dernière réponse du serveur de messagerie : %1</translation>
    </message>
    <message>
        <source>damaged: %1</source>
        <translation>endommagée : %1</translation>
    </message>
    <message>
        <source>Nothing is planned. Choose &quot;Send on&quot; in the send dialog.</source>
        <translation>Rien n’est programmé. Choisissez « Envoyer le » dans la fenêtre d’envoi.</translation>
    </message>
    <message>
        <source>The mail server may have this greeting already. Send it again?</source>
        <translation>Le serveur de messagerie a peut-être déjà cette carte. L’envoyer de nouveau ?</translation>
    </message>
    <message>
        <source>The greeting to %1 was sent.</source>
        <translation>La carte pour %1 a été envoyée.</translation>
    </message>
    <message>
        <source>The greeting to %1 was not sent again: %2.</source>
        <translation>La carte pour %1 n’a pas été renvoyée : %2.</translation>
    </message>
    <message>
        <source>The greeting to %1 was not sent: %2. It is tried again on %3.</source>
        <translation>La carte pour %1 n’a pas été envoyée : %2. Nouvel essai le %3.</translation>
    </message>
    <message>
        <source>The greeting to %1 was not sent, and it is given up: %2.</source>
        <translation>La carte pour %1 n’a pas été envoyée, et l’envoi est abandonné : %2.</translation>
    </message>
    <message>
        <source>The greeting to %1 waits for the password of the mail server&apos;s login: type it in the mail options, then choose Send now again.</source>
        <translation>La carte pour %1 attend le mot de passe du serveur de messagerie : saisissez-le dans les options de messagerie, puis choisissez de nouveau « Envoyer ».</translation>
    </message>
    <message>
        <source>The mail server had the whole greeting to %1 but did not say whether it took it (%2). Decide in the outbox whether to send it again.</source>
        <translation>Le serveur de messagerie a reçu toute la carte pour %1 sans dire s’il l’a acceptée (%2). Décidez dans la boîte d’envoi s’il faut la renvoyer.</translation>
    </message>
    <message>
        <source>The greeting to %1 is being sent by another run right now.</source>
        <translation>La carte pour %1 est en cours d’envoi par une autre instance.</translation>
    </message>
    <message>
        <source>The greeting to %1 was not sent: %2.</source>
        <translation>La carte pour %1 n’a pas été envoyée : %2.</translation>
    </message>
    <message>
        <source>The greeting cannot be held back: %1.</source>
        <translation>La carte ne peut pas être retenue : %1.</translation>
    </message>
    <message>
        <source>The greeting cannot be removed: %1.</source>
        <translation>La carte ne peut pas être retirée : %1.</translation>
    </message>
</context>
<context>
    <name>CPickListDlg</name>
    <message>
        <source>A wave file of your own...</source>
        <translation>Un fichier wave à vous...</translation>
    </message>
    <message>
        <source>This is one of your contacts, not an entry of the address book: it stays.</source>
        <translation>C’est l’un de vos contacts, pas une entrée du carnet d’adresses : il reste.</translation>
    </message>
    <message>
        <source>%1: the address book cannot be read; it was left unchanged</source>
        <translation>%1 : le carnet d’adresses est illisible ; il n’a pas été modifié</translation>
    </message>
    <message>
        <source>%1: the address book cannot be written</source>
        <translation>%1 : le carnet d’adresses ne peut pas être enregistré</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
</context>
<context>
    <name>CPlayStringDlg</name>
    <message>
        <source>Text to speak</source>
        <translation>Texte à dire</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Language of the voice</source>
        <translation>Langue de la voix</translation>
    </message>
</context>
<context>
    <name>CRecorderDlg</name>
    <message>
        <source>Record your voice</source>
        <translation>Enregistrer votre voix</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Record from the microphone (a minute at most)</source>
        <translation>Enregistrer depuis le micro (une minute au plus)</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>Arrêter l’enregistrement</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>Listen to the recording</source>
        <translation>Écouter l’enregistrement</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Garder</translation>
    </message>
    <message>
        <source>Keep the recording</source>
        <translation>Garder l’enregistrement</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Close without keeping anything</source>
        <translation>Fermer sans rien garder</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Micro</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Time recorded</source>
        <translation>Durée enregistrée</translation>
    </message>
    <message>
        <source>What the recorder says</source>
        <translation>Message de l’enregistreur</translation>
    </message>
    <message>
        <source>no microphone</source>
        <translation>aucun micro</translation>
    </message>
    <message>
        <source>No microphone was found: plug one in or turn it on, then open the recorder again.</source>
        <translation>Aucun micro n’a été trouvé : branchez-en un ou allumez-le, puis rouvrez l’enregistreur.</translation>
    </message>
    <message>
        <source>the desktop&apos;s microphone</source>
        <translation>le micro du bureau</translation>
    </message>
    <message>
        <source>Press Record and speak; up to a minute.</source>
        <translation>Appuyez sur Enregistrer et parlez, jusqu’à une minute.</translation>
    </message>
    <message>
        <source>Recording… press Stop when you are done.</source>
        <translation>Enregistrement… appuyez sur Arrêter quand vous avez fini.</translation>
    </message>
    <message>
        <source>%1 s kept. Listen to it, keep it, or record again.</source>
        <translation>%1 s enregistrées. Écoutez, gardez ou recommencez.</translation>
    </message>
    <message>
        <source>The microphone went away; what came before is kept.</source>
        <translation>Le micro a disparu ; ce qui a été enregistré avant est gardé.</translation>
    </message>
    <message>
        <source>A minute is the most a recording holds.</source>
        <translation>Un enregistrement dure une minute au plus.</translation>
    </message>
    <message>
        <source>The recording cannot be played: %1 cannot be written.</source>
        <translation>L’enregistrement ne peut pas être lu : impossible d’écrire %1.</translation>
    </message>
    <message>
        <source>There is no sound output to listen with.</source>
        <translation>Aucune sortie son pour écouter.</translation>
    </message>
</context>
<context>
    <name>CSendMailDlg</name>
    <message>
        <source>Record a message in your own voice that plays as the greeting starts</source>
        <translation>Enregistrer un message de votre propre voix, joué au début de la carte</translation>
    </message>
    <message>
        <source>Hand the greeting to your own mail program instead of sending it from here</source>
        <translation>Confier la carte à votre propre logiciel de messagerie au lieu de l’envoyer d’ici</translation>
    </message>
    <message>
        <source>Send with my mail program</source>
        <translation>Envoyer avec mon logiciel de messagerie</translation>
    </message>
    <message>
        <source>Put the greeting in the outbox, to be sent on the day and at the hour below</source>
        <translation>Mettre la carte dans la boîte d’envoi, pour l’envoyer au jour et à l’heure ci-dessous</translation>
    </message>
    <message>
        <source>Send on a day</source>
        <translation>Envoyer un autre jour</translation>
    </message>
    <message>
        <source>Send it again every year on each recipient&apos;s birthday, at 8 in the morning</source>
        <translation>La renvoyer chaque année à l’anniversaire de chaque destinataire, à 8 heures du matin</translation>
    </message>
    <message>
        <source>Every year on their birthday</source>
        <translation>Chaque année à leur anniversaire</translation>
    </message>
    <message>
        <source>Day and hour to send on</source>
        <translation>Jour et heure d’envoi</translation>
    </message>
    <message>
        <source>Size of the message</source>
        <translation>Taille du message</translation>
    </message>
    <message>
        <source>Working out what goes in the message…</source>
        <translation>Calcul du contenu du message…</translation>
    </message>
    <message>
        <source>The greeting goes as the self-playing attachment.</source>
        <translation>La carte part en pièce jointe autonome.</translation>
    </message>
    <message>
        <source>The size of the message cannot be worked out.</source>
        <translation>La taille du message ne peut pas être calculée.</translation>
    </message>
    <message>
        <source>Too large to send: %1.</source>
        <translation>Trop volumineux pour être envoyé : %1.</translation>
    </message>
    <message>
        <source>A greeting planned for a day is sent from here: turn off &quot;send with my mail program&quot; first.</source>
        <translation>Une carte programmée pour un jour est envoyée d’ici : désactivez d’abord « envoyer avec mon logiciel de messagerie ».</translation>
    </message>
    <message>
        <source>Choose a day and hour still to come for the greeting.</source>
        <translation>Choisissez pour la carte un jour et une heure à venir.</translation>
    </message>
    <message>
        <source>The greeting cannot be planned: %1.</source>
        <translation>La carte ne peut pas être programmée : %1.</translation>
    </message>
    <message>
        <source>The greeting is in the outbox. It goes every year on each recipient&apos;s birthday, at 8 in the morning, first on %1.</source>
        <translation>La carte est dans la boîte d’envoi. Elle part chaque année à l’anniversaire de chaque destinataire, à 8 heures du matin, la première fois le %1.</translation>
    </message>
    <message>
        <source>The greeting is in the outbox. It goes on %1.</source>
        <translation>La carte est dans la boîte d’envoi. Elle part le %1.</translation>
    </message>
    <message>
        <source>Your mail server&apos;s password is not kept in a keyring: if Vimble e-mail is not running on the day, the greeting waits until you start it and give the password.</source>
        <translation>Le mot de passe de votre serveur de messagerie n’est pas gardé dans un trousseau : si Vimble e-mail ne tourne pas ce jour-là, la carte attend que vous le lanciez et donniez le mot de passe.</translation>
    </message>
    <message>
        <source>A recorded message goes with the greeting</source>
        <translation>Un message enregistré accompagne la carte</translation>
    </message>
    <message>
        <source>The voice message cannot go with this greeting: %1.</source>
        <translation>Le message vocal ne peut pas accompagner cette carte : %1.</translation>
    </message>
    <message>
        <source>friend@example.org, another@example.org</source>
        <translation>ami@example.org, amie@example.org</translation>
    </message>
    <message>
        <source>Recipients</source>
        <translation>Destinataires</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Objet</translation>
    </message>
    <message>
        <source>Message text</source>
        <translation>Texte du message</translation>
    </message>
    <message>
        <source>no keyring: type it for this session</source>
        <translation>pas de trousseau : saisissez-le pour cette session</translation>
    </message>
    <message>
        <source>Type whom the greeting goes to.</source>
        <translation>Indiquez à qui la carte est destinée.</translation>
    </message>
    <message>
        <source>The address &quot;%1&quot; cannot be used: it holds &quot;&lt;&quot;, &quot;&gt;&quot; or a control character.</source>
        <translation>L’adresse « %1 » ne peut pas être utilisée : elle contient « &lt; », « &gt; » ou un caractère de contrôle.</translation>
    </message>
    <message>
        <source>Give the mail server in the options first.</source>
        <translation>Indiquez d’abord le serveur de messagerie dans les options.</translation>
    </message>
    <message>
        <source>Give your e-mail address in the options first.</source>
        <translation>Indiquez d’abord votre adresse électronique dans les options.</translation>
    </message>
    <message>
        <source>Your address &quot;%1&quot; cannot be used as a sender.</source>
        <translation>Votre adresse « %1 » ne peut pas servir d’expéditeur.</translation>
    </message>
    <message>
        <source>There is no greeting to send.</source>
        <translation>Il n’y a aucune carte à envoyer.</translation>
    </message>
    <message>
        <source>A greeting is still being sent. Send this one when its result has been shown.</source>
        <translation>Une carte est encore en cours d’envoi. Envoyez celle-ci quand son résultat aura été affiché.</translation>
    </message>
    <message>
        <source>The greeting was not sent: the mail server&apos;s login needs its password.</source>
        <translation>La carte n’a pas été envoyée : la connexion au serveur de messagerie demande son mot de passe.</translation>
    </message>
    <message>
        <source>No private folder can be made in %1 for the greeting&apos;s copy.</source>
        <translation>Aucun dossier privé ne peut être créé dans %1 pour la copie de la carte.</translation>
    </message>
    <message>
        <source>The greeting&apos;s copy cannot be written into %1.</source>
        <translation>La copie de la carte ne peut pas être écrite dans %1.</translation>
    </message>
    <message>
        <source>The greeting cannot be sent now: the mail worker did not start.</source>
        <translation>La carte ne peut pas être envoyée maintenant : l’envoi n’a pas démarré.</translation>
    </message>
    <message>
        <source>The voice message cannot be written beside the greeting&apos;s copy.</source>
        <translation>Le message vocal ne peut pas être écrit à côté de la copie de la carte.</translation>
    </message>
    <message>
        <source>Send the greeting</source>
        <translation>Envoyer la carte</translation>
    </message>
    <message>
        <source>Close without sending</source>
        <translation>Fermer sans envoyer</translation>
    </message>
    <message>
        <source>The mail server and your address</source>
        <translation>Le serveur de messagerie et votre adresse</translation>
    </message>
    <message>
        <source>Send the player&apos;s sounds and fonts with the greeting</source>
        <translation>Envoyer les sons et les polices du lecteur avec la carte</translation>
    </message>
    <message>
        <source>Choose from the people you have sent to</source>
        <translation>Choisir parmi les personnes à qui vous avez déjà écrit</translation>
    </message>
</context>
<context>
    <name>Categories</name>
    <message>
        <source>All</source>
        <translation>Toutes</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Anniversaire</translation>
    </message>
    <message>
        <source>Love</source>
        <translation>Amour</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Fêtes</translation>
    </message>
    <message>
        <source>Party</source>
        <translation>Fête</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>the session bus at %1 takes connections but does not answer</source>
        <translation>le bus de session à l’adresse %1 accepte les connexions mais ne répond pas</translation>
    </message>
    <message>
        <source>no desktop notification service answers on the session bus: %1</source>
        <translation>aucun service de notifications du bureau ne répond sur le bus de session : %1</translation>
    </message>
    <message>
        <source>no desktop notification service answers on the session bus: no answer</source>
        <translation>aucun service de notifications du bureau ne répond sur le bus de session : pas de réponse</translation>
    </message>
    <message>
        <source>the session bus at %1 does not answer: %2</source>
        <translation>le bus de session à l’adresse %1 ne répond pas : %2</translation>
    </message>
    <message>
        <source>no session bus runs (DBUS_SESSION_BUS_ADDRESS is not set and there is no $XDG_RUNTIME_DIR/bus), so no desktop notification can be shown</source>
        <translation>aucun bus de session ne tourne (DBUS_SESSION_BUS_ADDRESS n’est pas défini et $XDG_RUNTIME_DIR/bus n’existe pas), aucune notification du bureau ne peut donc être affichée</translation>
    </message>
    <message>
        <source>the secret service failed</source>
        <translation>le service de trousseau a échoué</translation>
    </message>
    <message>
        <source>no session bus runs, so no secret service can keep the password</source>
        <translation>aucun bus de session ne tourne, aucun trousseau ne peut donc garder le mot de passe</translation>
    </message>
    <message>
        <source>the secret service did not keep the password</source>
        <translation>le trousseau n’a pas gardé le mot de passe</translation>
    </message>
</context>
<context>
    <name>Editing</name>
    <message>
        <source>This change cannot be undone: the undo history could not keep it.</source>
        <translation>Cette modification ne pourra pas être annulée : l’historique n’a pas pu la garder.</translation>
    </message>
    <message>
        <source>The objects were kept: the undo history could not keep a copy of them.</source>
        <translation>Les objets sont conservés : l’historique n’a pas pu en garder une copie.</translation>
    </message>
    <message>
        <source>It would play at the same time as another sound of the object.</source>
        <translation>Il serait joué en même temps qu’un autre son de l’objet.</translation>
    </message>
    <message>
        <source>%1 was not given to the object: %2</source>
        <translation>%1 n’a pas été donné à l’objet : %2</translation>
    </message>
</context>
<context>
    <name>Effects</name>
    <message>
        <source>0. None: the object does not move</source>
        <translation>0. Sans: Aucun effet n&apos;est attribué à l&apos;objet</translation>
    </message>
    <message>
        <source>1.1 Across to the left</source>
        <translation>1.1 Horizontal vers la gauche</translation>
    </message>
    <message>
        <source>1.1.1 Across to the left, growing</source>
        <translation>1.1.1 Horizontal vers la gauche en grossissant</translation>
    </message>
    <message>
        <source>1.1.2 Across to the left, shrinking</source>
        <translation>1.1.2 Horizontal vers la gauche en rétrécissant</translation>
    </message>
    <message>
        <source>1.2 Across to the right</source>
        <translation>1.2 Horizontal vers la droite</translation>
    </message>
    <message>
        <source>1.2.1 Across to the right, growing</source>
        <translation>1.2.1 Horizontal vers la droite en grossissant</translation>
    </message>
    <message>
        <source>1.2.2 Across to the right, shrinking</source>
        <translation>1.2.2 Horizontal vers la droite en rétrécissant</translation>
    </message>
    <message>
        <source>2.1 Straight up</source>
        <translation>2.1 Vertical vers le haut</translation>
    </message>
    <message>
        <source>2.1.1 Straight up, growing</source>
        <translation>2.1.1 Vertical vers le haut en grossissant</translation>
    </message>
    <message>
        <source>2.1.2 Straight up, shrinking</source>
        <translation>2.1.2 Vertical vers le haut en rétrécissant</translation>
    </message>
    <message>
        <source>2.2 Straight down</source>
        <translation>2.2 Vertical vers le bas</translation>
    </message>
    <message>
        <source>2.2.1 Straight down, growing</source>
        <translation>2.2.1 Vertical vers le bas en grossissant</translation>
    </message>
    <message>
        <source>2.2.2 Straight down, shrinking</source>
        <translation>2.2.2 Vertical vers le bas en rétrécissant</translation>
    </message>
    <message>
        <source>3.1 Circle clockwise</source>
        <translation>3.1 Rotation dans le sens des aiguilles d&apos;une montre</translation>
    </message>
    <message>
        <source>3.1.1 Circle clockwise, growing</source>
        <translation>3.1.1 Rotation en grossissant</translation>
    </message>
    <message>
        <source>3.1.2 Circle clockwise, shrinking</source>
        <translation>3.1.2 Rotation en rétrécissant</translation>
    </message>
    <message>
        <source>3.2 Circle anticlockwise</source>
        <translation>3.2 Rotation sens contraire des aiguilles d&apos;une montre</translation>
    </message>
    <message>
        <source>3.2.1 Circle anticlockwise, growing</source>
        <translation>3.2.1 Rotation en grossissant</translation>
    </message>
    <message>
        <source>3.2.2 Circle anticlockwise, shrinking</source>
        <translation>3.2.2 Rotation en rétrécissant</translation>
    </message>
    <message>
        <source>4.1 Ellipse clockwise</source>
        <translation>4.1 Rotation elliptique sens des aiguilles d&apos;une montre</translation>
    </message>
    <message>
        <source>4.1.1 Ellipse clockwise, growing</source>
        <translation>4.1.1 Rotation elliptique en grossissant</translation>
    </message>
    <message>
        <source>4.1.2 Ellipse clockwise, shrinking</source>
        <translation>4.1.2 Rotation elliptique en rétrécissant</translation>
    </message>
    <message>
        <source>4.2 Ellipse anticlockwise</source>
        <translation>4.2 Rotation elliptique sens contraire des aiguilles</translation>
    </message>
    <message>
        <source>4.2.1 Ellipse anticlockwise, growing</source>
        <translation>4.2.1 Rotation elliptique en grossissant</translation>
    </message>
    <message>
        <source>4.2.2 Ellipse anticlockwise, shrinking</source>
        <translation>4.2.2 Rotation elliptique en rétrécissant</translation>
    </message>
    <message>
        <source>5. Random jumps</source>
        <translation>5. Contrôle aléatoire de l&apos;objet</translation>
    </message>
    <message>
        <source>5.1 Random jumps, growing</source>
        <translation>5.1 Contrôle aléatoire de l&apos;objet en grossissant</translation>
    </message>
    <message>
        <source>5.2 Random jumps, shrinking</source>
        <translation>5.2 Contrôle aléatoire de l&apos;objet en rétrécissant</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Sans</translation>
    </message>
</context>
<context>
    <name>Emoji</name>
    <message>
        <source>Cakes and party</source>
        <translation>Gâteaux et fêtes</translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation>Cadeaux</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Cœurs</translation>
    </message>
    <message>
        <source>Flowers</source>
        <translation>Fleurs</translation>
    </message>
    <message>
        <source>Stars and sky</source>
        <translation>Étoiles et ciel</translation>
    </message>
    <message>
        <source>Seasons and holidays</source>
        <translation>Saisons et fêtes</translation>
    </message>
    <message>
        <source>Faces and hands</source>
        <translation>Visages et mains</translation>
    </message>
    <message>
        <source>Animals</source>
        <translation>Animaux</translation>
    </message>
    <message>
        <source>Food and drink</source>
        <translation>Nourriture et boissons</translation>
    </message>
    <message>
        <source>birthday cake</source>
        <translation>gâteau d’anniversaire</translation>
    </message>
    <message>
        <source>shortcake</source>
        <translation>gâteau aux fraises</translation>
    </message>
    <message>
        <source>cupcake</source>
        <translation>cupcake</translation>
    </message>
    <message>
        <source>party popper</source>
        <translation>cotillons</translation>
    </message>
    <message>
        <source>confetti ball</source>
        <translation>boule de confettis</translation>
    </message>
    <message>
        <source>partying face</source>
        <translation>visage festif</translation>
    </message>
    <message>
        <source>balloon</source>
        <translation>ballon</translation>
    </message>
    <message>
        <source>piñata</source>
        <translation>piñata</translation>
    </message>
    <message>
        <source>fireworks</source>
        <translation>feu d’artifice</translation>
    </message>
    <message>
        <source>sparkler</source>
        <translation>cierge magique</translation>
    </message>
    <message>
        <source>clinking glasses</source>
        <translation>trinquer</translation>
    </message>
    <message>
        <source>bottle with popping cork</source>
        <translation>bouteille de champagne</translation>
    </message>
    <message>
        <source>clinking beer mugs</source>
        <translation>chopes de bière</translation>
    </message>
    <message>
        <source>candle</source>
        <translation>bougie</translation>
    </message>
    <message>
        <source>musical note</source>
        <translation>note de musique</translation>
    </message>
    <message>
        <source>musical notes</source>
        <translation>notes de musique</translation>
    </message>
    <message>
        <source>mirror ball</source>
        <translation>boule à facettes</translation>
    </message>
    <message>
        <source>microphone</source>
        <translation>micro</translation>
    </message>
    <message>
        <source>woman dancing</source>
        <translation>danseuse</translation>
    </message>
    <message>
        <source>man dancing</source>
        <translation>danseur</translation>
    </message>
    <message>
        <source>performing arts</source>
        <translation>arts du spectacle</translation>
    </message>
    <message>
        <source>carousel horse</source>
        <translation>cheval de manège</translation>
    </message>
    <message>
        <source>trumpet</source>
        <translation>trompette</translation>
    </message>
    <message>
        <source>drum</source>
        <translation>tambour</translation>
    </message>
    <message>
        <source>wrapped gift</source>
        <translation>cadeau</translation>
    </message>
    <message>
        <source>ribbon</source>
        <translation>ruban</translation>
    </message>
    <message>
        <source>heart with ribbon</source>
        <translation>cœur avec ruban</translation>
    </message>
    <message>
        <source>shopping bags</source>
        <translation>sacs de shopping</translation>
    </message>
    <message>
        <source>package</source>
        <translation>colis</translation>
    </message>
    <message>
        <source>love letter</source>
        <translation>lettre d’amour</translation>
    </message>
    <message>
        <source>envelope</source>
        <translation>enveloppe</translation>
    </message>
    <message>
        <source>teddy bear</source>
        <translation>ours en peluche</translation>
    </message>
    <message>
        <source>kite</source>
        <translation>cerf-volant</translation>
    </message>
    <message>
        <source>puzzle piece</source>
        <translation>pièce de puzzle</translation>
    </message>
    <message>
        <source>video game</source>
        <translation>jeu vidéo</translation>
    </message>
    <message>
        <source>ring</source>
        <translation>bague</translation>
    </message>
    <message>
        <source>gem stone</source>
        <translation>pierre précieuse</translation>
    </message>
    <message>
        <source>crown</source>
        <translation>couronne</translation>
    </message>
    <message>
        <source>trophy</source>
        <translation>trophée</translation>
    </message>
    <message>
        <source>1st place medal</source>
        <translation>médaille d’or</translation>
    </message>
    <message>
        <source>admission tickets</source>
        <translation>billets</translation>
    </message>
    <message>
        <source>magic wand</source>
        <translation>baguette magique</translation>
    </message>
    <message>
        <source>books</source>
        <translation>livres</translation>
    </message>
    <message>
        <source>artist palette</source>
        <translation>palette de peinture</translation>
    </message>
    <message>
        <source>guitar</source>
        <translation>guitare</translation>
    </message>
    <message>
        <source>yarn</source>
        <translation>pelote de laine</translation>
    </message>
    <message>
        <source>handbag</source>
        <translation>sac à main</translation>
    </message>
    <message>
        <source>red heart</source>
        <translation>cœur rouge</translation>
    </message>
    <message>
        <source>pink heart</source>
        <translation>cœur rose</translation>
    </message>
    <message>
        <source>orange heart</source>
        <translation>cœur orange</translation>
    </message>
    <message>
        <source>yellow heart</source>
        <translation>cœur jaune</translation>
    </message>
    <message>
        <source>green heart</source>
        <translation>cœur vert</translation>
    </message>
    <message>
        <source>blue heart</source>
        <translation>cœur bleu</translation>
    </message>
    <message>
        <source>light blue heart</source>
        <translation>cœur bleu clair</translation>
    </message>
    <message>
        <source>purple heart</source>
        <translation>cœur violet</translation>
    </message>
    <message>
        <source>brown heart</source>
        <translation>cœur marron</translation>
    </message>
    <message>
        <source>black heart</source>
        <translation>cœur noir</translation>
    </message>
    <message>
        <source>grey heart</source>
        <translation>cœur gris</translation>
    </message>
    <message>
        <source>white heart</source>
        <translation>cœur blanc</translation>
    </message>
    <message>
        <source>two hearts</source>
        <translation>deux cœurs</translation>
    </message>
    <message>
        <source>revolving hearts</source>
        <translation>cœurs qui tournent</translation>
    </message>
    <message>
        <source>beating heart</source>
        <translation>cœur battant</translation>
    </message>
    <message>
        <source>growing heart</source>
        <translation>cœur grandissant</translation>
    </message>
    <message>
        <source>sparkling heart</source>
        <translation>cœur étincelant</translation>
    </message>
    <message>
        <source>heart with arrow</source>
        <translation>cœur et flèche</translation>
    </message>
    <message>
        <source>heart decoration</source>
        <translation>décoration cœur</translation>
    </message>
    <message>
        <source>heart exclamation</source>
        <translation>cœur point d’exclamation</translation>
    </message>
    <message>
        <source>broken heart</source>
        <translation>cœur brisé</translation>
    </message>
    <message>
        <source>kiss mark</source>
        <translation>trace de rouge à lèvres</translation>
    </message>
    <message>
        <source>couple with heart</source>
        <translation>couple avec cœur</translation>
    </message>
    <message>
        <source>heart hands</source>
        <translation>mains qui forment un cœur</translation>
    </message>
    <message>
        <source>bouquet</source>
        <translation>bouquet</translation>
    </message>
    <message>
        <source>cherry blossom</source>
        <translation>fleur de cerisier</translation>
    </message>
    <message>
        <source>white flower</source>
        <translation>fleur blanche</translation>
    </message>
    <message>
        <source>rosette</source>
        <translation>rosette</translation>
    </message>
    <message>
        <source>rose</source>
        <translation>rose</translation>
    </message>
    <message>
        <source>wilted flower</source>
        <translation>fleur fanée</translation>
    </message>
    <message>
        <source>hibiscus</source>
        <translation>hibiscus</translation>
    </message>
    <message>
        <source>sunflower</source>
        <translation>tournesol</translation>
    </message>
    <message>
        <source>blossom</source>
        <translation>bourgeon</translation>
    </message>
    <message>
        <source>tulip</source>
        <translation>tulipe</translation>
    </message>
    <message>
        <source>lotus</source>
        <translation>lotus</translation>
    </message>
    <message>
        <source>hyacinth</source>
        <translation>jacinthe</translation>
    </message>
    <message>
        <source>seedling</source>
        <translation>pousse</translation>
    </message>
    <message>
        <source>potted plant</source>
        <translation>plante en pot</translation>
    </message>
    <message>
        <source>evergreen tree</source>
        <translation>conifère</translation>
    </message>
    <message>
        <source>deciduous tree</source>
        <translation>arbre à feuilles caduques</translation>
    </message>
    <message>
        <source>palm tree</source>
        <translation>palmier</translation>
    </message>
    <message>
        <source>cactus</source>
        <translation>cactus</translation>
    </message>
    <message>
        <source>four leaf clover</source>
        <translation>trèfle à quatre feuilles</translation>
    </message>
    <message>
        <source>shamrock</source>
        <translation>trèfle</translation>
    </message>
    <message>
        <source>maple leaf</source>
        <translation>feuille d’érable</translation>
    </message>
    <message>
        <source>fallen leaf</source>
        <translation>feuille morte</translation>
    </message>
    <message>
        <source>leaf fluttering in wind</source>
        <translation>feuille virevoltante</translation>
    </message>
    <message>
        <source>sheaf of rice</source>
        <translation>plant de riz</translation>
    </message>
    <message>
        <source>mushroom</source>
        <translation>champignon</translation>
    </message>
    <message>
        <source>star</source>
        <translation>étoile</translation>
    </message>
    <message>
        <source>glowing star</source>
        <translation>étoile brillante</translation>
    </message>
    <message>
        <source>sparkles</source>
        <translation>étincelles</translation>
    </message>
    <message>
        <source>dizzy</source>
        <translation>étourdissement</translation>
    </message>
    <message>
        <source>shooting star</source>
        <translation>étoile filante</translation>
    </message>
    <message>
        <source>sun</source>
        <translation>soleil</translation>
    </message>
    <message>
        <source>sun with face</source>
        <translation>soleil avec visage</translation>
    </message>
    <message>
        <source>full moon face</source>
        <translation>pleine lune avec visage</translation>
    </message>
    <message>
        <source>crescent moon</source>
        <translation>croissant de lune</translation>
    </message>
    <message>
        <source>first quarter moon face</source>
        <translation>premier quartier de lune avec visage</translation>
    </message>
    <message>
        <source>full moon</source>
        <translation>pleine lune</translation>
    </message>
    <message>
        <source>rainbow</source>
        <translation>arc-en-ciel</translation>
    </message>
    <message>
        <source>high voltage</source>
        <translation>haute tension</translation>
    </message>
    <message>
        <source>fire</source>
        <translation>feu</translation>
    </message>
    <message>
        <source>collision</source>
        <translation>explosion</translation>
    </message>
    <message>
        <source>comet</source>
        <translation>comète</translation>
    </message>
    <message>
        <source>ringed planet</source>
        <translation>planète à anneaux</translation>
    </message>
    <message>
        <source>globe showing Europe-Africa</source>
        <translation>globe tourné sur l’Afrique et l’Europe</translation>
    </message>
    <message>
        <source>milky way</source>
        <translation>Voie lactée</translation>
    </message>
    <message>
        <source>sunrise</source>
        <translation>lever de soleil</translation>
    </message>
    <message>
        <source>sun behind cloud</source>
        <translation>soleil derrière un nuage</translation>
    </message>
    <message>
        <source>cloud</source>
        <translation>nuage</translation>
    </message>
    <message>
        <source>Christmas tree</source>
        <translation>Sapin de Noël</translation>
    </message>
    <message>
        <source>Santa Claus</source>
        <translation>père Noël</translation>
    </message>
    <message>
        <source>Mrs. Claus</source>
        <translation>mère Noël</translation>
    </message>
    <message>
        <source>snowman without snow</source>
        <translation>bonhomme de neige sans neige</translation>
    </message>
    <message>
        <source>snowman</source>
        <translation>bonhomme de neige</translation>
    </message>
    <message>
        <source>snowflake</source>
        <translation>flocon de neige</translation>
    </message>
    <message>
        <source>bell</source>
        <translation>cloche</translation>
    </message>
    <message>
        <source>socks</source>
        <translation>chaussettes</translation>
    </message>
    <message>
        <source>jack-o-lantern</source>
        <translation>citrouille d’Halloween</translation>
    </message>
    <message>
        <source>ghost</source>
        <translation>fantôme</translation>
    </message>
    <message>
        <source>spider web</source>
        <translation>toile d’araignée</translation>
    </message>
    <message>
        <source>hatching chick</source>
        <translation>poussin qui éclôt</translation>
    </message>
    <message>
        <source>egg</source>
        <translation>œuf</translation>
    </message>
    <message>
        <source>nest with eggs</source>
        <translation>nid avec des œufs</translation>
    </message>
    <message>
        <source>rabbit</source>
        <translation>lapin</translation>
    </message>
    <message>
        <source>pine decoration</source>
        <translation>bambou décoré</translation>
    </message>
    <message>
        <source>Japanese dolls</source>
        <translation>poupées japonaises</translation>
    </message>
    <message>
        <source>carp streamer</source>
        <translation>koinobori</translation>
    </message>
    <message>
        <source>wind chime</source>
        <translation>carillon à vent</translation>
    </message>
    <message>
        <source>red envelope</source>
        <translation>enveloppe rouge</translation>
    </message>
    <message>
        <source>red paper lantern</source>
        <translation>lampion rouge</translation>
    </message>
    <message>
        <source>diya lamp</source>
        <translation>lampe diya</translation>
    </message>
    <message>
        <source>menorah</source>
        <translation>menorah</translation>
    </message>
    <message>
        <source>graduation cap</source>
        <translation>toque de diplômé</translation>
    </message>
    <message>
        <source>wedding</source>
        <translation>mariage</translation>
    </message>
    <message>
        <source>person with veil</source>
        <translation>personne mariée avec voile</translation>
    </message>
    <message>
        <source>person in tuxedo</source>
        <translation>personne en smoking</translation>
    </message>
    <message>
        <source>baby</source>
        <translation>bébé</translation>
    </message>
    <message>
        <source>baby bottle</source>
        <translation>biberon</translation>
    </message>
    <message>
        <source>beach with umbrella</source>
        <translation>plage avec parasol</translation>
    </message>
    <message>
        <source>grinning face</source>
        <translation>visage rieur</translation>
    </message>
    <message>
        <source>grinning face with big eyes</source>
        <translation>visage souriant avec de grands yeux</translation>
    </message>
    <message>
        <source>grinning face with smiling eyes</source>
        <translation>visage souriant aux yeux rieurs</translation>
    </message>
    <message>
        <source>beaming face with smiling eyes</source>
        <translation>visage radieux aux yeux rieurs</translation>
    </message>
    <message>
        <source>grinning face with sweat</source>
        <translation>visage souriant avec une goutte de sueur</translation>
    </message>
    <message>
        <source>face with tears of joy</source>
        <translation>visage riant aux larmes</translation>
    </message>
    <message>
        <source>rolling on the floor laughing</source>
        <translation>se rouler par terre de rire</translation>
    </message>
    <message>
        <source>smiling face with smiling eyes</source>
        <translation>visage souriant avec yeux rieurs</translation>
    </message>
    <message>
        <source>smiling face with halo</source>
        <translation>visage souriant avec auréole</translation>
    </message>
    <message>
        <source>slightly smiling face</source>
        <translation>visage avec un léger sourire</translation>
    </message>
    <message>
        <source>winking face</source>
        <translation>visage qui fait un clin d’œil</translation>
    </message>
    <message>
        <source>smiling face with heart-eyes</source>
        <translation>visage souriant avec yeux en forme de cœur</translation>
    </message>
    <message>
        <source>smiling face with hearts</source>
        <translation>visage souriant avec des cœurs</translation>
    </message>
    <message>
        <source>face blowing a kiss</source>
        <translation>visage envoyant un bisou</translation>
    </message>
    <message>
        <source>face savoring food</source>
        <translation>miam</translation>
    </message>
    <message>
        <source>winking face with tongue</source>
        <translation>clin d’œil tirant la langue</translation>
    </message>
    <message>
        <source>zany face</source>
        <translation>visage loufoque</translation>
    </message>
    <message>
        <source>smiling face with open hands</source>
        <translation>visage qui fait un câlin</translation>
    </message>
    <message>
        <source>star-struck</source>
        <translation>visage avec des étoiles à la place des yeux</translation>
    </message>
    <message>
        <source>smiling face with sunglasses</source>
        <translation>visage avec lunettes de soleil</translation>
    </message>
    <message>
        <source>face holding back tears</source>
        <translation>visage retenant ses larmes</translation>
    </message>
    <message>
        <source>crying face</source>
        <translation>visage qui pleure</translation>
    </message>
    <message>
        <source>loudly crying face</source>
        <translation>visage qui pleure à chaudes larmes</translation>
    </message>
    <message>
        <source>face with open mouth</source>
        <translation>visage avec bouche ouverte</translation>
    </message>
    <message>
        <source>sleeping face</source>
        <translation>visage endormi</translation>
    </message>
    <message>
        <source>thinking face</source>
        <translation>visage en pleine réflexion</translation>
    </message>
    <message>
        <source>face with hand over mouth</source>
        <translation>visage avec une main sur la bouche</translation>
    </message>
    <message>
        <source>grinning cat</source>
        <translation>chat qui sourit</translation>
    </message>
    <message>
        <source>smiling cat with heart-eyes</source>
        <translation>chat souriant avec yeux en forme de cœur</translation>
    </message>
    <message>
        <source>waving hand</source>
        <translation>main qui fait un signe</translation>
    </message>
    <message>
        <source>thumbs up</source>
        <translation>pouce vers le haut</translation>
    </message>
    <message>
        <source>clapping hands</source>
        <translation>applaudissements</translation>
    </message>
    <message>
        <source>raising hands</source>
        <translation>mains levées</translation>
    </message>
    <message>
        <source>folded hands</source>
        <translation>mains en prière</translation>
    </message>
    <message>
        <source>handshake</source>
        <translation>poignée de main</translation>
    </message>
    <message>
        <source>victory hand</source>
        <translation>main faisant un V de victoire</translation>
    </message>
    <message>
        <source>crossed fingers</source>
        <translation>doigts croisés</translation>
    </message>
    <message>
        <source>flexed biceps</source>
        <translation>biceps contracté</translation>
    </message>
    <message>
        <source>dog face</source>
        <translation>tête de chien</translation>
    </message>
    <message>
        <source>cat face</source>
        <translation>tête de chat</translation>
    </message>
    <message>
        <source>rabbit face</source>
        <translation>tête de lapin</translation>
    </message>
    <message>
        <source>fox</source>
        <translation>renard</translation>
    </message>
    <message>
        <source>bear</source>
        <translation>ours</translation>
    </message>
    <message>
        <source>panda</source>
        <translation>panda</translation>
    </message>
    <message>
        <source>koala</source>
        <translation>koala</translation>
    </message>
    <message>
        <source>tiger face</source>
        <translation>tête de tigre</translation>
    </message>
    <message>
        <source>lion</source>
        <translation>lion</translation>
    </message>
    <message>
        <source>cow face</source>
        <translation>tête de vache</translation>
    </message>
    <message>
        <source>pig face</source>
        <translation>tête de cochon</translation>
    </message>
    <message>
        <source>frog</source>
        <translation>grenouille</translation>
    </message>
    <message>
        <source>monkey face</source>
        <translation>tête de singe</translation>
    </message>
    <message>
        <source>chicken</source>
        <translation>poule</translation>
    </message>
    <message>
        <source>penguin</source>
        <translation>pingouin</translation>
    </message>
    <message>
        <source>bird</source>
        <translation>oiseau</translation>
    </message>
    <message>
        <source>baby chick</source>
        <translation>poussin</translation>
    </message>
    <message>
        <source>owl</source>
        <translation>chouette</translation>
    </message>
    <message>
        <source>unicorn</source>
        <translation>licorne</translation>
    </message>
    <message>
        <source>honeybee</source>
        <translation>abeille</translation>
    </message>
    <message>
        <source>butterfly</source>
        <translation>papillon</translation>
    </message>
    <message>
        <source>lady beetle</source>
        <translation>coccinelle</translation>
    </message>
    <message>
        <source>turtle</source>
        <translation>tortue</translation>
    </message>
    <message>
        <source>dolphin</source>
        <translation>dauphin</translation>
    </message>
    <message>
        <source>spouting whale</source>
        <translation>baleine soufflant par son évent</translation>
    </message>
    <message>
        <source>tropical fish</source>
        <translation>poisson tropical</translation>
    </message>
    <message>
        <source>octopus</source>
        <translation>pieuvre</translation>
    </message>
    <message>
        <source>giraffe</source>
        <translation>girafe</translation>
    </message>
    <message>
        <source>elephant</source>
        <translation>éléphant</translation>
    </message>
    <message>
        <source>hedgehog</source>
        <translation>hérisson</translation>
    </message>
    <message>
        <source>paw prints</source>
        <translation>empreintes d’animaux</translation>
    </message>
    <message>
        <source>strawberry</source>
        <translation>fraise</translation>
    </message>
    <message>
        <source>cherries</source>
        <translation>cerises</translation>
    </message>
    <message>
        <source>red apple</source>
        <translation>pomme rouge</translation>
    </message>
    <message>
        <source>watermelon</source>
        <translation>pastèque</translation>
    </message>
    <message>
        <source>grapes</source>
        <translation>raisin</translation>
    </message>
    <message>
        <source>banana</source>
        <translation>banane</translation>
    </message>
    <message>
        <source>peach</source>
        <translation>pêche</translation>
    </message>
    <message>
        <source>pineapple</source>
        <translation>ananas</translation>
    </message>
    <message>
        <source>kiwi fruit</source>
        <translation>kiwi</translation>
    </message>
    <message>
        <source>lemon</source>
        <translation>citron</translation>
    </message>
    <message>
        <source>pizza</source>
        <translation>pizza</translation>
    </message>
    <message>
        <source>hamburger</source>
        <translation>hamburger</translation>
    </message>
    <message>
        <source>popcorn</source>
        <translation>pop-corn</translation>
    </message>
    <message>
        <source>pretzel</source>
        <translation>bretzel</translation>
    </message>
    <message>
        <source>croissant</source>
        <translation>croissant</translation>
    </message>
    <message>
        <source>pancakes</source>
        <translation>pancakes</translation>
    </message>
    <message>
        <source>soft ice cream</source>
        <translation>glace italienne</translation>
    </message>
    <message>
        <source>ice cream</source>
        <translation>glace</translation>
    </message>
    <message>
        <source>doughnut</source>
        <translation>doughnut</translation>
    </message>
    <message>
        <source>cookie</source>
        <translation>cookie</translation>
    </message>
    <message>
        <source>chocolate bar</source>
        <translation>barre chocolatée</translation>
    </message>
    <message>
        <source>candy</source>
        <translation>bonbon</translation>
    </message>
    <message>
        <source>lollipop</source>
        <translation>sucette</translation>
    </message>
    <message>
        <source>custard</source>
        <translation>crème renversée</translation>
    </message>
    <message>
        <source>honey pot</source>
        <translation>pot de miel</translation>
    </message>
    <message>
        <source>pie</source>
        <translation>tarte</translation>
    </message>
    <message>
        <source>hot beverage</source>
        <translation>boisson chaude</translation>
    </message>
    <message>
        <source>teacup without handle</source>
        <translation>tasse de thé sans anse</translation>
    </message>
    <message>
        <source>wine glass</source>
        <translation>verre de vin</translation>
    </message>
    <message>
        <source>cocktail glass</source>
        <translation>cocktail</translation>
    </message>
    <message>
        <source>tropical drink</source>
        <translation>cocktail tropical</translation>
    </message>
    <message>
        <source>cup with straw</source>
        <translation>gobelet avec paille</translation>
    </message>
</context>
<context>
    <name>Faces</name>
    <message>
        <source>Vimble e-mail</source>
        <translation>Vimble e-mail</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Greetings that move</source>
        <translation>Des cartes qui bougent</translation>
    </message>
    <message>
        <source>Kelbrant</source>
        <translation>Kelbrant</translation>
    </message>
    <message>
        <source>more</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>frame</source>
        <translation>image</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Layers</source>
        <translation>Calques</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Objets</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Effets</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>Position and size</source>
        <translation>Position et taille</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>y</source>
        <translation>y</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>width</source>
        <translation>largeur</translation>
    </message>
    <message>
        <source>height</source>
        <translation>hauteur</translation>
    </message>
    <message>
        <source>Text and colours</source>
        <translation>Texte et couleurs</translation>
    </message>
    <message>
        <source>font</source>
        <translation>police</translation>
    </message>
    <message>
        <source>colour</source>
        <translation>couleur</translation>
    </message>
    <message>
        <source>no fill</source>
        <translation>non rempli</translation>
    </message>
    <message>
        <source>fill</source>
        <translation>rempli</translation>
    </message>
    <message>
        <source>Effect</source>
        <translation>Effet</translation>
    </message>
    <message>
        <source>frames</source>
        <translation>images</translation>
    </message>
    <message>
        <source>start</source>
        <translation>début</translation>
    </message>
    <message>
        <source>after its frames:</source>
        <translation>après ses images :</translation>
    </message>
    <message>
        <source>on screen</source>
        <translation>à l’écran</translation>
    </message>
    <message>
        <source>off screen</source>
        <translation>hors de l’écran</translation>
    </message>
    <message>
        <source>Project properties</source>
        <translation>Propriétés du projet</translation>
    </message>
    <message>
        <source>MIDI output</source>
        <translation>Sortie MIDI</translation>
    </message>
    <message>
        <source>Add a sound</source>
        <translation>Ajouter un son</translation>
    </message>
    <message>
        <source>Start at frame</source>
        <translation>Début à l’image</translation>
    </message>
    <message>
        <source>Stop at frame</source>
        <translation>Fin à l’image</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Spoken text</source>
        <translation>Texte parlé</translation>
    </message>
    <message>
        <source>voice</source>
        <translation>voix</translation>
    </message>
    <message>
        <source>m / f</source>
        <translation>h / f</translation>
    </message>
    <message>
        <source>Mail options</source>
        <translation>Options de messagerie</translation>
    </message>
    <message>
        <source>mail server</source>
        <translation>serveur de messagerie</translation>
    </message>
    <message>
        <source>your e-mail address</source>
        <translation>votre adresse e-mail</translation>
    </message>
    <message>
        <source>connection: plain, STARTTLS (587) or TLS (465)</source>
        <translation>connexion : en clair, STARTTLS (587) ou TLS (465)</translation>
    </message>
    <message>
        <source>user name (empty: no login)</source>
        <translation>nom d’utilisateur (vide : sans connexion)</translation>
    </message>
    <message>
        <source>password (kept in the keyring)</source>
        <translation>mot de passe (gardé dans le trousseau)</translation>
    </message>
    <message>
        <source>show the greeting in the message</source>
        <translation>montrer la carte dans le message</translation>
    </message>
    <message>
        <source>attach the self-playing player</source>
        <translation>joindre le lecteur autonome</translation>
    </message>
    <message>
        <source>attach the video with sound</source>
        <translation>joindre la vidéo avec le son</translation>
    </message>
    <message>
        <source>attach the greeting file</source>
        <translation>joindre le fichier de la carte</translation>
    </message>
    <message>
        <source>Send your greeting</source>
        <translation>Envoyer votre carte</translation>
    </message>
    <message>
        <source>To</source>
        <translation>À</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Objet</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>send with my mail program</source>
        <translation>envoyer avec mon logiciel de messagerie</translation>
    </message>
    <message>
        <source>send on</source>
        <translation>envoyer le</translation>
    </message>
    <message>
        <source>every year on their birthday</source>
        <translation>chaque année à leur anniversaire</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contacts</translation>
    </message>
    <message>
        <source>search</source>
        <translation>rechercher</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nom</translation>
    </message>
    <message>
        <source>e-mail address</source>
        <translation>adresse e-mail</translation>
    </message>
    <message>
        <source>birthday (1990-05-17 or --05-17)</source>
        <translation>anniversaire (1990-05-17 ou --05-17)</translation>
    </message>
    <message>
        <source>Outbox</source>
        <translation>Boîte d’envoi</translation>
    </message>
    <message>
        <source>planned greetings</source>
        <translation>cartes programmées</translation>
    </message>
    <message>
        <source>Record your voice</source>
        <translation>Enregistrer votre voix</translation>
    </message>
    <message>
        <source>microphone</source>
        <translation>micro</translation>
    </message>
    <message>
        <source>level</source>
        <translation>niveau</translation>
    </message>
    <message>
        <source>do not ask again</source>
        <translation>ne plus demander</translation>
    </message>
    <message>
        <source>file name</source>
        <translation>nom du fichier</translation>
    </message>
    <message>
        <source>file type</source>
        <translation>type de fichier</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Ouvrir…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>Enregistrer sous…</translation>
    </message>
    <message>
        <source>Send by e-mail…</source>
        <translation>Envoyer par e-mail…</translation>
    </message>
    <message>
        <source>Contacts…</source>
        <translation>Contacts…</translation>
    </message>
    <message>
        <source>Outbox…</source>
        <translation>Boîte d’envoi…</translation>
    </message>
    <message>
        <source>Export player…</source>
        <translation>Exporter le lecteur…</translation>
    </message>
    <message>
        <source>Export video…</source>
        <translation>Exporter la vidéo…</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Properties…</source>
        <translation>Propriétés…</translation>
    </message>
    <message>
        <source>Libraries</source>
        <translation>Bibliothèques</translation>
    </message>
    <message>
        <source>Drawing tools</source>
        <translation>Outils de dessin</translation>
    </message>
    <message>
        <source>Layer manager</source>
        <translation>Gestion des calques</translation>
    </message>
    <message>
        <source>Import image…</source>
        <translation>Importer une image…</translation>
    </message>
    <message>
        <source>Import MIDI…</source>
        <translation>Importer un MIDI…</translation>
    </message>
    <message>
        <source>Help (F1)</source>
        <translation>Aide (F1)</translation>
    </message>
    <message>
        <source>Background colour…</source>
        <translation>Couleur de fond…</translation>
    </message>
    <message>
        <source>Remove background</source>
        <translation>Retirer le fond</translation>
    </message>
    <message>
        <source>Backgrounds…</source>
        <translation>Fonds…</translation>
    </message>
    <message>
        <source>Remove music</source>
        <translation>Retirer la musique</translation>
    </message>
    <message>
        <source>Sounds…</source>
        <translation>Sons…</translation>
    </message>
    <message>
        <source>Project properties…</source>
        <translation>Propriétés du projet…</translation>
    </message>
    <message>
        <source>One place up</source>
        <translation>Monter d’un cran</translation>
    </message>
    <message>
        <source>One place down</source>
        <translation>Descendre d’un cran</translation>
    </message>
    <message>
        <source>To the top</source>
        <translation>Tout en haut</translation>
    </message>
    <message>
        <source>To the bottom</source>
        <translation>Tout en bas</translation>
    </message>
    <message>
        <source>Add a sound…</source>
        <translation>Ajouter un son…</translation>
    </message>
    <message>
        <source>Add a spoken text…</source>
        <translation>Ajouter un texte parlé…</translation>
    </message>
    <message>
        <source>Record a sound…</source>
        <translation>Enregistrer un son…</translation>
    </message>
    <message>
        <source>More buttons</source>
        <translation>Autres boutons</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>First frame</source>
        <translation>Première image</translation>
    </message>
    <message>
        <source>Previous frame</source>
        <translation>Image précédente</translation>
    </message>
    <message>
        <source>Next frame</source>
        <translation>Image suivante</translation>
    </message>
    <message>
        <source>Last frame</source>
        <translation>Dernière image</translation>
    </message>
    <message>
        <source>Close the player</source>
        <translation>Fermer le lecteur</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Sélectionner</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Trait</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Polygon</source>
        <translation>Polygone</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Text in a rectangle</source>
        <translation>Texte dans le rectangle</translation>
    </message>
    <message>
        <source>Text in an ellipse</source>
        <translation>Texte dans l’ellipse</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>Bibliothèque</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>No fill</source>
        <translation>Sans remplissage</translation>
    </message>
    <message>
        <source>Stays on screen</source>
        <translation>Reste à l’écran</translation>
    </message>
    <message>
        <source>Leaves the screen</source>
        <translation>Quitte l’écran</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Tester</translation>
    </message>
    <message>
        <source>Animations</source>
        <translation>Animations</translation>
    </message>
    <message>
        <source>Cliparts</source>
        <translation>Cliparts</translation>
    </message>
    <message>
        <source>Backgrounds</source>
        <translation>Fonds</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>Défiler</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Do not ask again</source>
        <translation>Ne plus demander</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>With player</source>
        <translation>Avec lecteur</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Carnet</translation>
    </message>
    <message>
        <source>Voice mail</source>
        <translation>Message vocal</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Serveur</translation>
    </message>
    <message>
        <source>Sender</source>
        <translation>Expéditeur</translation>
    </message>
    <message>
        <source>Plain</source>
        <translation>En clair</translation>
    </message>
    <message>
        <source>STARTTLS</source>
        <translation>STARTTLS</translation>
    </message>
    <message>
        <source>TLS</source>
        <translation>TLS</translation>
    </message>
    <message>
        <source>Show the greeting in the message</source>
        <translation>Montrer la carte dans le message</translation>
    </message>
    <message>
        <source>Attach the player</source>
        <translation>Joindre le lecteur</translation>
    </message>
    <message>
        <source>Attach the video</source>
        <translation>Joindre la vidéo</translation>
    </message>
    <message>
        <source>Attach the greeting file</source>
        <translation>Joindre le fichier de la carte</translation>
    </message>
    <message>
        <source>Send with my mail program</source>
        <translation>Envoyer avec mon logiciel de messagerie</translation>
    </message>
    <message>
        <source>Send on a day</source>
        <translation>Envoyer un autre jour</translation>
    </message>
    <message>
        <source>Every year on their birthday</source>
        <translation>Chaque année à leur anniversaire</translation>
    </message>
    <message>
        <source>Send now</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Don’t send</source>
        <translation>Ne pas envoyer</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Garder</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importer…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exporter…</translation>
    </message>
    <message>
        <source>Male voice</source>
        <translation>Voix d’homme</translation>
    </message>
    <message>
        <source>Female voice</source>
        <translation>Voix de femme</translation>
    </message>
    <message>
        <source>New folder</source>
        <translation>Nouveau dossier</translation>
    </message>
    <message>
        <source>Folder up</source>
        <translation>Dossier parent</translation>
    </message>
    <message>
        <source>Address book</source>
        <translation>Carnet d’adresses</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>dossier</translation>
    </message>
    <message>
        <source>Start a new greeting</source>
        <translation>Commencer une nouvelle carte</translation>
    </message>
    <message>
        <source>File ▸ New, or open a greeting you have made</source>
        <translation>Fichier ▸ Nouveau, ou ouvrez une carte que vous avez faite</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Plus tard</translation>
    </message>
    <message>
        <source>Earlier versions…</source>
        <translation>Versions précédentes…</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>the file ends %1 bytes early</source>
        <translation>le fichier se termine %1 octets trop tôt</translation>
    </message>
    <message>
        <source>a text repeats its wide-character mark</source>
        <translation>un texte répète sa marque de caractères larges</translation>
    </message>
    <message>
        <source>a text claims %1 bytes, %2 remain</source>
        <translation>un texte annonce %1 octets, il en reste %2</translation>
    </message>
    <message>
        <source>a block claims %1 bytes, %2 remain</source>
        <translation>un bloc annonce %1 octets, il en reste %2</translation>
    </message>
    <message>
        <source>a list claims %1 %2, %3 bytes remain</source>
        <translation>une liste annonce %1 %2, il reste %3 octets</translation>
    </message>
    <message>
        <source>%1: read error at byte %2 in %3 (%4)</source>
        <translation>%1 : erreur de lecture à l’octet %2 dans « %3 » (%4)</translation>
    </message>
    <message>
        <source>%1: write error in %2 (%3)</source>
        <translation>%1 : erreur d’écriture dans « %2 » (%3)</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1 : lecture impossible</translation>
    </message>
    <message>
        <source>%1: cannot be written</source>
        <translation>%1 : écriture impossible</translation>
    </message>
    <message>
        <source>%1: the picture cannot be kept</source>
        <translation>%1 : l’image ne peut pas être conservée</translation>
    </message>
    <message>
        <source>%1: not a bitmap file</source>
        <translation>%1 : ce n’est pas un fichier bitmap</translation>
    </message>
    <message>
        <source>%1: too large for a bitmap</source>
        <translation>%1 : trop volumineux pour une image bitmap</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>a packed bitmap of %1 bytes has no header</source>
        <translation>une image bitmap compactée de %1 octets n’a pas d’en-tête</translation>
    </message>
    <message>
        <source>a bitmap block of %1 bytes has no header</source>
        <translation>un bloc bitmap de %1 octets n’a pas d’en-tête</translation>
    </message>
    <message>
        <source>the bitmap header is cut short</source>
        <translation>l’en-tête de l’image bitmap est tronqué</translation>
    </message>
    <message>
        <source>the bitmap header claims %1 bytes, the block holds %2</source>
        <translation>l’en-tête de l’image bitmap annonce %1 octets, le bloc en contient %2</translation>
    </message>
    <message>
        <source>the bitmap height is out of range</source>
        <translation>la hauteur de l’image bitmap est hors limites</translation>
    </message>
    <message>
        <source>a bitmap header of %1 bytes is of no known kind</source>
        <translation>un en-tête bitmap de %1 octets est d’un type inconnu</translation>
    </message>
    <message>
        <source>a bitmap of %1 x %2 pixels is out of range</source>
        <translation>une image bitmap de %1 x %2 pixels est hors limites</translation>
    </message>
    <message>
        <source>a bitmap with %1 planes</source>
        <translation>une image bitmap à %1 plans</translation>
    </message>
    <message>
        <source>a bitmap of %1 bits per pixel</source>
        <translation>une image bitmap de %1 bits par pixel</translation>
    </message>
    <message>
        <source>a bitmap with compression %1 at %2 bits per pixel</source>
        <translation>une image bitmap en compression %1 à %2 bits par pixel</translation>
    </message>
    <message>
        <source>a colour table of %1 entries</source>
        <translation>une table de couleurs de %1 entrées</translation>
    </message>
    <message>
        <source>the bit-field masks are cut short</source>
        <translation>les masques de champs de bits sont tronqués</translation>
    </message>
    <message>
        <source>a bit-field mask of 0x%1 does not fit the pixels</source>
        <translation>le masque de champ de bits 0x%1 ne convient pas aux pixels</translation>
    </message>
    <message>
        <source>the colour table of %1 entries runs past the block</source>
        <translation>la table de couleurs de %1 entrées dépasse la fin du bloc</translation>
    </message>
    <message>
        <source>the pixels need %1 bytes, %2 remain</source>
        <translation>les pixels demandent %1 octets, il en reste %2</translation>
    </message>
    <message>
        <source>no memory for a picture of %1 x %2</source>
        <translation>pas assez de mémoire pour une image de %1 x %2</translation>
    </message>
    <message>
        <source>a run-length stream ends early at byte %1</source>
        <translation>un flux codé par plages se termine trop tôt, à l’octet %1</translation>
    </message>
    <message>
        <source>a run-length literal run passes the data at byte %1</source>
        <translation>une suite littérale du codage par plages dépasse les données à l’octet %1</translation>
    </message>
    <message>
        <source>effects</source>
        <translation>effets</translation>
    </message>
    <message>
        <source>layers</source>
        <translation>calques</translation>
    </message>
    <message>
        <source>stages</source>
        <translation>scènes</translation>
    </message>
    <message>
        <source>sounds</source>
        <translation>sons</translation>
    </message>
    <message>
        <source>points</source>
        <translation>points</translation>
    </message>
    <message>
        <source>clips nested more than %1 deep</source>
        <translation>des clips imbriqués sur plus de %1 niveaux</translation>
    </message>
    <message>
        <source>shape kind %1 is not one of 0 to 2</source>
        <translation>le type de forme %1 n’est pas compris entre 0 et 2</translation>
    </message>
    <message>
        <source>a drawn object without a shape</source>
        <translation>un objet dessiné sans forme</translation>
    </message>
    <message>
        <source>drawable kind %1 is not one of 1 to 4</source>
        <translation>le type de dessin %1 n’est pas compris entre 1 et 4</translation>
    </message>
    <message>
        <source>object &quot;%1&quot; has no stage and is not drawn</source>
        <translation>l’objet « %1 » n’a pas de scène et n’est pas dessiné</translation>
    </message>
    <message>
        <source>object &quot;%1&quot; has no effect list and is not drawn</source>
        <translation>l’objet « %1 » n’a pas de liste d’effets et n’est pas dessiné</translation>
    </message>
    <message>
        <source>no stage buffer of %1 x %2 pixels can be made</source>
        <translation>impossible de créer un tampon de scène de %1 x %2 pixels</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <source>%1: no working files can be made beside it or in %2</source>
        <translation>%1 : aucun fichier de travail ne peut être créé à côté, ni dans %2</translation>
    </message>
    <message>
        <source>%1: the working files cannot be made</source>
        <translation>%1 : les fichiers de travail ne peuvent pas être créés</translation>
    </message>
    <message>
        <source>%1: there is not enough memory to unpack it</source>
        <translation>%1 : pas assez de mémoire pour le décompresser</translation>
    </message>
    <message>
        <source>%1: not a project file (no header tag)</source>
        <translation>%1 : ce n’est pas un fichier de carte (l’en-tête d’identification manque)</translation>
    </message>
    <message>
        <source>cannot read the sound file %1</source>
        <translation>impossible de lire le fichier son %1</translation>
    </message>
    <message>
        <source>cannot write the sound&apos;s private file in %1</source>
        <translation>impossible d’écrire le fichier privé du son dans %1</translation>
    </message>
    <message>
        <source>out of memory in the undo history</source>
        <translation>mémoire insuffisante pour l’historique</translation>
    </message>
    <message>
        <source>cannot make the undo folder in %1</source>
        <translation>impossible de créer le dossier de l’historique dans %1</translation>
    </message>
    <message>
        <source>cannot make an undo state file in %1</source>
        <translation>impossible de créer un fichier de l’historique dans %1</translation>
    </message>
    <message>
        <source>undo state</source>
        <translation>état de l’historique</translation>
    </message>
    <message>
        <source>out of memory saving an undo state</source>
        <translation>mémoire insuffisante pour enregistrer un état de l’historique</translation>
    </message>
    <message>
        <source>out of memory loading an undo state</source>
        <translation>mémoire insuffisante pour charger un état de l’historique</translation>
    </message>
    <message>
        <source>the undo state of object %1 is missing (%2)</source>
        <translation>l’état de l’objet %1 dans l’historique est introuvable (%2)</translation>
    </message>
    <message>
        <source>the undo state of object %1 is missing</source>
        <translation>l’état de l’objet %1 dans l’historique est introuvable</translation>
    </message>
    <message>
        <source>the undo state %1 has type %2, which names no class</source>
        <translation>l’état de l’historique %1 est de type %2, qui ne désigne aucune classe</translation>
    </message>
    <message>
        <source>a text of 2-byte characters holds half of a character pair</source>
        <translation>un texte de caractères sur 2 octets contient la moitié d’une paire de caractères</translation>
    </message>
</context>
<context>
    <name>Keeping</name>
    <message>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <source>%1: cannot be written (%2)</source>
        <translation>%1 : écriture impossible (%2)</translation>
    </message>
    <message>
        <source>%1: cannot be made (%2)</source>
        <translation>%1 : création impossible (%2)</translation>
    </message>
    <message>
        <source>its description is missing</source>
        <translation>sa description manque</translation>
    </message>
    <message>
        <source>its description cannot be read</source>
        <translation>sa description est illisible</translation>
    </message>
    <message>
        <source>its project file %1 is missing</source>
        <translation>son fichier de carte %1 manque</translation>
    </message>
    <message>
        <source>its project file %1 is not a project file</source>
        <translation>son fichier %1 n’est pas un fichier de carte</translation>
    </message>
    <message>
        <source>%1: there is no such recovery copy</source>
        <translation>%1 : cette copie de récupération n’existe pas</translation>
    </message>
    <message>
        <source>The recovery copy of %1 was not written: %2</source>
        <translation>La copie de récupération de %1 n’a pas été écrite : %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a recovery copy&apos;s name</source>
        <translation>« %1 » n’est pas un nom de copie de récupération</translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <translation>la mémoire est insuffisante</translation>
    </message>
    <message>
        <source>it cannot be read back (%1)</source>
        <translation>elle ne se relit pas (%1)</translation>
    </message>
    <message>
        <source>its still picture cannot be made</source>
        <translation>son image fixe ne peut pas être créée</translation>
    </message>
    <message>
        <source>%1: the recovery copy cannot be read (%2)</source>
        <translation>%1 : la copie de récupération est illisible (%2)</translation>
    </message>
    <message>
        <source>%1: its earlier version cannot be kept (%2)</source>
        <translation>%1 : sa version précédente ne peut pas être conservée (%2)</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>ce n’est pas un fichier</translation>
    </message>
    <message>
        <source>%1: there is no earlier version %2</source>
        <translation>%1 : il n’y a pas de version précédente %2</translation>
    </message>
    <message>
        <source>%1: earlier version %2 cannot be read (%3)</source>
        <translation>%1 : la version précédente %2 est illisible (%3)</translation>
    </message>
    <message>
        <source>Your greeting is not being kept safe while you work: %1

You can go on working; save the greeting to keep it.</source>
        <translation>Votre carte n’est pas mise à l’abri pendant que vous travaillez : %1

Vous pouvez continuer ; enregistrez la carte pour la garder.</translation>
    </message>
    <message>
        <source>The recovered greeting &quot;%1&quot; cannot be opened: %2</source>
        <translation>La carte récupérée « %1 » ne peut pas être ouverte : %2</translation>
    </message>
    <message>
        <source>No earlier versions of &quot;%1&quot; are kept yet: each save over it keeps the version it replaces.</source>
        <translation>Aucune version précédente de « %1 » n’est encore gardée : chaque enregistrement par-dessus garde la version qu’il remplace.</translation>
    </message>
    <message>
        <source>The earlier version cannot be opened: %1</source>
        <translation>La version précédente ne peut pas être ouverte : %1</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>Balloon sky</source>
        <translation>Ciel de ballons</translation>
    </message>
    <message>
        <source>Confetti</source>
        <translation>Confettis</translation>
    </message>
    <message>
        <source>Pink dawn</source>
        <translation>Aube rose</translation>
    </message>
    <message>
        <source>Heart paper</source>
        <translation>Papier à cœurs</translation>
    </message>
    <message>
        <source>Snowy night</source>
        <translation>Nuit enneigée</translation>
    </message>
    <message>
        <source>Winter forest</source>
        <translation>Forêt d’hiver</translation>
    </message>
    <message>
        <source>Stage lights</source>
        <translation>Lumières de scène</translation>
    </message>
    <message>
        <source>Bunting</source>
        <translation>Guirlande de fanions</translation>
    </message>
    <message>
        <source>Red balloon</source>
        <translation>Ballon rouge</translation>
    </message>
    <message>
        <source>Teal balloon</source>
        <translation>Ballon turquoise</translation>
    </message>
    <message>
        <source>Yellow balloon</source>
        <translation>Ballon jaune</translation>
    </message>
    <message>
        <source>Birthday cake</source>
        <translation>Gâteau d’anniversaire</translation>
    </message>
    <message>
        <source>Gift box</source>
        <translation>Boîte cadeau</translation>
    </message>
    <message>
        <source>Party hat</source>
        <translation>Chapeau de fête</translation>
    </message>
    <message>
        <source>Cupcake</source>
        <translation>Cupcake</translation>
    </message>
    <message>
        <source>Red heart</source>
        <translation>Cœur rouge</translation>
    </message>
    <message>
        <source>Pink heart</source>
        <translation>Cœur rose</translation>
    </message>
    <message>
        <source>Heart balloon</source>
        <translation>Ballon cœur</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>Rose</translation>
    </message>
    <message>
        <source>Love letter</source>
        <translation>Lettre d’amour</translation>
    </message>
    <message>
        <source>Flower</source>
        <translation>Fleur</translation>
    </message>
    <message>
        <source>Christmas tree</source>
        <translation>Sapin de Noël</translation>
    </message>
    <message>
        <source>Snowman</source>
        <translation>Bonhomme de neige</translation>
    </message>
    <message>
        <source>Bauble</source>
        <translation>Boule de Noël</translation>
    </message>
    <message>
        <source>Candy cane</source>
        <translation>Sucre d’orge</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Cloche</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>Flocon de neige</translation>
    </message>
    <message>
        <source>Red present</source>
        <translation>Cadeau rouge</translation>
    </message>
    <message>
        <source>Gold star</source>
        <translation>Étoile dorée</translation>
    </message>
    <message>
        <source>Teal star</source>
        <translation>Étoile turquoise</translation>
    </message>
    <message>
        <source>Champagne</source>
        <translation>Champagne</translation>
    </message>
    <message>
        <source>Music notes</source>
        <translation>Notes de musique</translation>
    </message>
    <message>
        <source>Party popper</source>
        <translation>Canon à confettis</translation>
    </message>
    <message>
        <source>Smiling sun</source>
        <translation>Soleil souriant</translation>
    </message>
    <message>
        <source>Rising balloons</source>
        <translation>Ballons qui s’envolent</translation>
    </message>
    <message>
        <source>Gift and star</source>
        <translation>Cadeau et étoile</translation>
    </message>
    <message>
        <source>Dancing hearts</source>
        <translation>Cœurs qui dansent</translation>
    </message>
    <message>
        <source>Floating hearts</source>
        <translation>Cœurs flottants</translation>
    </message>
    <message>
        <source>Falling snow</source>
        <translation>Neige qui tombe</translation>
    </message>
    <message>
        <source>Twinkling tree</source>
        <translation>Sapin scintillant</translation>
    </message>
    <message>
        <source>Orbiting stars</source>
        <translation>Étoiles en orbite</translation>
    </message>
    <message>
        <source>Music in the air</source>
        <translation>Musique dans l’air</translation>
    </message>
    <message>
        <source>Happy Birthday</source>
        <translation>Joyeux anniversaire</translation>
    </message>
    <message>
        <source>Twinkle, Twinkle</source>
        <translation>Ah ! vous dirai-je, maman</translation>
    </message>
    <message>
        <source>Love chimes</source>
        <translation>Carillon d’amour</translation>
    </message>
    <message>
        <source>Jingle Bells</source>
        <translation>Vive le vent</translation>
    </message>
    <message>
        <source>Ode to Joy</source>
        <translation>Hymne à la joie</translation>
    </message>
    <message>
        <source>Applause</source>
        <translation>Applaudissements</translation>
    </message>
    <message>
        <source>Fanfare</source>
        <translation>Fanfare</translation>
    </message>
    <message>
        <source>Sparkle</source>
        <translation>Scintillement</translation>
    </message>
    <message>
        <source>Pop</source>
        <translation>Pop</translation>
    </message>
    <message>
        <source>Boing</source>
        <translation>Boing</translation>
    </message>
</context>
<context>
    <name>Mail</name>
    <message>
        <source>%1: the address book cannot be read; it was left unchanged</source>
        <translation>%1 : le carnet d’adresses est illisible ; il n’a pas été modifié</translation>
    </message>
    <message>
        <source>%1: the address book cannot be written</source>
        <translation>%1 : le carnet d’adresses ne peut pas être enregistré</translation>
    </message>
    <message>
        <source>mime64: an input and an output file are needed</source>
        <translation>mime64 : il faut un fichier d’entrée et un fichier de sortie</translation>
    </message>
    <message>
        <source>%1 file not found</source>
        <translation>Fichier %1 introuvable</translation>
    </message>
    <message>
        <source>%1: cannot be written</source>
        <translation>%1 : écriture impossible</translation>
    </message>
    <message>
        <source>Error %1: the player program cannot be copied into the player bundle</source>
        <translation>Erreur %1 : le programme de lecture ne peut pas être copié dans le fichier du lecteur</translation>
    </message>
    <message>
        <source>Error %1: the player&apos;s data cannot be copied into the player bundle</source>
        <translation>Erreur %1 : les données du lecteur ne peuvent pas être copiées dans le fichier du lecteur</translation>
    </message>
    <message>
        <source>Error %1: the greeting cannot be copied into the player bundle</source>
        <translation>Erreur %1 : la carte ne peut pas être copiée dans le fichier du lecteur</translation>
    </message>
    <message>
        <source>Error %1: a piece is too large for the player bundle</source>
        <translation>Erreur %1 : une des parties est trop grande pour le fichier du lecteur</translation>
    </message>
    <message>
        <source>Error %1: the lengths of the pieces cannot be written into the player bundle</source>
        <translation>Erreur %1 : la longueur des parties ne peut pas être écrite dans le fichier du lecteur</translation>
    </message>
    <message>
        <source>Error %1: the greeting&apos;s name cannot be written into the player bundle</source>
        <translation>Erreur %1 : le nom de la carte ne peut pas être écrit dans le fichier du lecteur</translation>
    </message>
    <message>
        <source>Error %1: the length of the greeting&apos;s name cannot be written into the player bundle</source>
        <translation>Erreur %1 : la longueur du nom de la carte ne peut pas être écrite dans le fichier du lecteur</translation>
    </message>
    <message>
        <source>Error %1: the closing mark of the player bundle cannot be written</source>
        <translation>Erreur %1 : la marque de fin du fichier du lecteur ne peut pas être écrite</translation>
    </message>
    <message>
        <source>Error %1: the player bundle cannot be closed</source>
        <translation>Erreur %1 : le fichier du lecteur ne peut pas être fermé</translation>
    </message>
    <message>
        <source>Error %1: the player bundle cannot be written</source>
        <translation>Erreur %1 : le fichier du lecteur ne peut pas être écrit</translation>
    </message>
    <message>
        <source>%1: Error! File Not Found</source>
        <translation>%1 : Erreur ! Fichier introuvable</translation>
    </message>
    <message>
        <source>%1: Error! Sharing Violation</source>
        <translation>%1 : Erreur ! Le fichier est utilisé par un autre programme</translation>
    </message>
    <message>
        <source>%1: too large for a player bundle</source>
        <translation>%1 : trop grand pour un fichier du lecteur</translation>
    </message>
    <message>
        <source>line %1: the card ends before END:VCARD</source>
        <translation>ligne %1 : la fiche se termine avant END:VCARD</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>line %1: the card has neither a name nor an address</source>
        <translation>ligne %1 : la fiche n’a ni nom ni adresse</translation>
    </message>
    <message>
        <source>line %1 is not a vCard property</source>
        <translation>la ligne %1 n’est pas une propriété vCard</translation>
    </message>
    <message>
        <source>line 1: the header names no name and no e-mail column</source>
        <translation>ligne 1 : l’en-tête n’indique ni colonne de nom ni colonne d’adresse e-mail</translation>
    </message>
    <message>
        <source>line %1: %2 fields where the header has %3</source>
        <translation>ligne %1 : %2 champs alors que l’en-tête en a %3</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 est illisible</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 ne peut pas être écrit</translation>
    </message>
    <message>
        <source>line %1: 7 fields separated by tabs expected, %2 found</source>
        <translation>ligne %1 : 7 champs séparés par des tabulations attendus, %2 trouvés</translation>
    </message>
    <message>
        <source>line %1: no name</source>
        <translation>ligne %1 : aucun nom</translation>
    </message>
    <message>
        <source>line %1: &quot;%2&quot; is not a domain in lower case</source>
        <translation>ligne %1 : « %2 » n’est pas un domaine en minuscules</translation>
    </message>
    <message>
        <source>line %1: &quot;%2&quot; is not a server name</source>
        <translation>ligne %1 : « %2 » n’est pas un nom de serveur</translation>
    </message>
    <message>
        <source>line %1: &quot;%2&quot; is not a port</source>
        <translation>ligne %1 : « %2 » n’est pas un port</translation>
    </message>
    <message>
        <source>line %1: &quot;%2&quot; is neither tls nor starttls</source>
        <translation>ligne %1 : « %2 » n’est ni tls ni starttls</translation>
    </message>
    <message>
        <source>line %1: &quot;%2&quot; is no sign-in key</source>
        <translation>ligne %1 : « %2 » n’est pas une clé de mode de connexion</translation>
    </message>
    <message>
        <source>line %1: the help page is no https address</source>
        <translation>ligne %1 : la page d’aide n’est pas une adresse https</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1 : lecture impossible</translation>
    </message>
    <message>
        <source>the mail program was given a file that does not exist</source>
        <translation>le logiciel de messagerie a reçu un fichier qui n’existe pas</translation>
    </message>
    <message>
        <source>no mail program is set up on this desktop (xdg-email found none)</source>
        <translation>aucun logiciel de messagerie n’est configuré sur ce bureau (xdg-email n’en a trouvé aucun)</translation>
    </message>
    <message>
        <source>the mail program could not take the greeting</source>
        <translation>le logiciel de messagerie n’a pas pu prendre la carte</translation>
    </message>
    <message>
        <source>xdg-email failed (exit status %1)</source>
        <translation>xdg-email a échoué (code de sortie %1)</translation>
    </message>
    <message>
        <source>%1 cannot be made: %2</source>
        <translation>%1 ne peut pas être créé : %2</translation>
    </message>
    <message>
        <source>no folder can be made in %1</source>
        <translation>aucun dossier ne peut être créé dans %1</translation>
    </message>
    <message>
        <source>xdg-email is not installed (it comes with the package xdg-utils)</source>
        <translation>xdg-email n’est pas installé (il fait partie du paquet xdg-utils)</translation>
    </message>
    <message>
        <source>xdg-email cannot be started: %1</source>
        <translation>xdg-email ne peut pas être lancé : %1</translation>
    </message>
    <message>
        <source>xdg-email ended abnormally</source>
        <translation>xdg-email s’est arrêté anormalement</translation>
    </message>
    <message>
        <source>xdg-email could not be waited for</source>
        <translation>impossible d’attendre la fin de xdg-email</translation>
    </message>
    <message>
        <source>%1 cannot be copied for the message</source>
        <translation>%1 ne peut pas être copié pour le message</translation>
    </message>
    <message>
        <source>the greeting is %1 even with the smallest picture and video; a message may be at most %2</source>
        <translation>la carte fait %1 même avec l’image et la vidéo les plus petites ; un message ne peut pas dépasser %2</translation>
    </message>
    <message>
        <source>the video is left out: %1</source>
        <translation>la vidéo n’est pas jointe : %1</translation>
    </message>
    <message>
        <source>Drawing the greeting</source>
        <translation>Dessin de la carte</translation>
    </message>
    <message>
        <source>the send was cancelled</source>
        <translation>l’envoi a été annulé</translation>
    </message>
    <message>
        <source>the greeting&apos;s picture and video cannot be made: %1</source>
        <translation>l’image et la vidéo de la carte ne peuvent pas être créées : %1</translation>
    </message>
    <message>
        <source>Making the picture smaller</source>
        <translation>Réduction de l’image</translation>
    </message>
    <message>
        <source>Making the video smaller</source>
        <translation>Réduction de la vidéo</translation>
    </message>
    <message>
        <source>the attachment could not be built: %1 is missing from the data directory %2</source>
        <translation>la pièce jointe n’a pas pu être construite : %1 manque dans le dossier de données %2</translation>
    </message>
    <message>
        <source>the attachment could not be built: %1 cannot be read</source>
        <translation>la pièce jointe n’a pas pu être construite : %1 est illisible</translation>
    </message>
    <message>
        <source>the attachment could not be built: the player bundle cannot be written for %1</source>
        <translation>la pièce jointe n’a pas pu être construite : le fichier du lecteur ne peut pas être écrit pour %1</translation>
    </message>
    <message>
        <source>the mail server %1 offers a login only without TLS, which would let others read the password</source>
        <translation>le serveur de messagerie %1 ne propose la connexion que sans TLS, ce qui permettrait à d’autres de lire le mot de passe</translation>
    </message>
    <message>
        <source>the mail server %1 offers no login this program can use (AUTH PLAIN or LOGIN)</source>
        <translation>le serveur de messagerie %1 ne propose aucune connexion que ce programme sache utiliser (AUTH PLAIN ou LOGIN)</translation>
    </message>
    <message>
        <source>the mail server %1 offers no login, and the settings ask for one</source>
        <translation>le serveur de messagerie %1 ne propose pas de connexion, alors que les réglages en demandent une</translation>
    </message>
    <message>
        <source>the mail server %1 cannot check the user name and password now (%2)</source>
        <translation>le serveur de messagerie %1 ne peut pas vérifier le nom d’utilisateur et le mot de passe pour le moment (%2)</translation>
    </message>
    <message>
        <source>the mail server %1 refused the user name or password (%2)</source>
        <translation>le serveur de messagerie %1 a refusé le nom d’utilisateur ou le mot de passe (%2)</translation>
    </message>
    <message>
        <source>the attachment could not be built: no data directory is set, so the player program cannot be found</source>
        <translation>la pièce jointe n’a pas pu être construite : aucun dossier de données n’est défini, le programme de lecture est donc introuvable</translation>
    </message>
    <message>
        <source>the attachment could not be built: %1 cannot be copied</source>
        <translation>la pièce jointe n’a pas pu être construite : %1 ne peut pas être copié</translation>
    </message>
    <message>
        <source>%1: cannot be copied for the attachment</source>
        <translation>%1 : copie impossible pour la pièce jointe</translation>
    </message>
    <message>
        <source>the attachment could not be built: the attachment %1 cannot be written</source>
        <translation>la pièce jointe n’a pas pu être construite : la pièce jointe %1 ne peut pas être écrite</translation>
    </message>
    <message>
        <source>the mail server %1 refused &quot;%2&quot;: %3</source>
        <translation>le serveur de messagerie %1 a refusé « %2 » : %3</translation>
    </message>
    <message>
        <source>the attachment could not be built: the attachment %1 cannot be encoded</source>
        <translation>la pièce jointe n’a pas pu être construite : la pièce jointe %1 ne peut pas être encodée</translation>
    </message>
    <message>
        <source>no password is known for %1 at the mail server %2 (%3)</source>
        <translation>aucun mot de passe n’est connu pour %1 sur le serveur de messagerie %2 (%3)</translation>
    </message>
    <message>
        <source>no password is known for %1 at the mail server %2</source>
        <translation>aucun mot de passe n’est connu pour %1 sur le serveur de messagerie %2</translation>
    </message>
    <message>
        <source>the mail server %1 offers no STARTTLS, and the settings ask for it</source>
        <translation>le serveur de messagerie %1 ne propose pas STARTTLS, alors que les réglages le demandent</translation>
    </message>
    <message>
        <source>the mail server %1 refused the connection: %2</source>
        <translation>le serveur de messagerie %1 a refusé la connexion : %2</translation>
    </message>
    <message>
        <source>the mail server %1 refused every recipient: %2</source>
        <translation>le serveur de messagerie %1 a refusé tous les destinataires : %2</translation>
    </message>
    <message>
        <source>no private folder can be made for the greeting&apos;s picture and video</source>
        <translation>aucun dossier privé ne peut être créé pour l’image et la vidéo de la carte</translation>
    </message>
    <message>
        <source>the attachment could not be built: the encoded attachment cannot be read</source>
        <translation>la pièce jointe n’a pas pu être construite : la pièce jointe encodée est illisible</translation>
    </message>
    <message>
        <source>the greeting is %1 bytes, more than the %2 bytes the mail server %3 takes</source>
        <translation>la carte fait %1 octets, plus que les %2 octets qu’accepte le serveur de messagerie %3</translation>
    </message>
    <message>
        <source>the outbox cannot record that the greeting is being sent</source>
        <translation>la boîte d’envoi ne peut pas noter que la carte est en cours d’envoi</translation>
    </message>
    <message>
        <source>the mail server %1 refused the message: %2</source>
        <translation>le serveur de messagerie %1 a refusé le message : %2</translation>
    </message>
    <message>
        <source>%1 cannot be copied for the player&apos;s attachment</source>
        <translation>%1 ne peut pas être copié pour la pièce jointe du lecteur</translation>
    </message>
    <message>
        <source>%1 cannot be made ready for %2</source>
        <translation>%1 ne peut pas être préparé pour %2</translation>
    </message>
    <message>
        <source>the greeting has no recipient</source>
        <translation>la carte n’a aucun destinataire</translation>
    </message>
    <message>
        <source>nobody got the greeting: %1</source>
        <translation>personne n’a reçu la carte : %1</translation>
    </message>
    <message>
        <source>Your mail program has the greeting, ready to send. Its files are in %1.</source>
        <translation>Votre logiciel de messagerie a la carte, prête à partir. Ses fichiers sont dans %1.</translation>
    </message>
    <message>
        <source>Your greeting has been sent (%H:%M:%S).</source>
        <translation>Votre carte a été envoyée (%H:%M:%S).</translation>
    </message>
    <message>
        <source>Sent to: %1.</source>
        <translation>Envoyée à : %1.</translation>
    </message>
    <message>
        <source>The mail server refused these recipients: %1</source>
        <translation>Le serveur de messagerie a refusé ces destinataires : %1</translation>
    </message>
    <message>
        <source>%s could not send your greeting.</source>
        <translation>%s n’a pas pu envoyer votre carte.</translation>
    </message>
    <message>
        <source>What failed: %1.</source>
        <translation>Ce qui a échoué : %1.</translation>
    </message>
    <message>
        <source>no private temporary folder can be made for the attachment</source>
        <translation>aucun dossier temporaire privé ne peut être créé pour la pièce jointe</translation>
    </message>
    <message>
        <source>the entry is cut short</source>
        <translation>l’entrée est tronquée</translation>
    </message>
    <message>
        <source>it is not an outbox entry</source>
        <translation>ce n’est pas une entrée de la boîte d’envoi</translation>
    </message>
    <message>
        <source>the entry has a line without &quot;=&quot;</source>
        <translation>l’entrée a une ligne sans « = »</translation>
    </message>
    <message>
        <source>the entry is empty</source>
        <translation>l’entrée est vide</translation>
    </message>
    <message>
        <source>the entry has no state that is known</source>
        <translation>l’entrée n’a aucun état connu</translation>
    </message>
    <message>
        <source>the entry has a time that cannot be read</source>
        <translation>l’entrée contient une heure illisible</translation>
    </message>
    <message>
        <source>the entry&apos;s count of tries cannot be read</source>
        <translation>le nombre d’essais de l’entrée est illisible</translation>
    </message>
    <message>
        <source>the entry&apos;s security cannot be read</source>
        <translation>la sécurité indiquée dans l’entrée est illisible</translation>
    </message>
    <message>
        <source>the entry&apos;s size limit cannot be read</source>
        <translation>la taille maximale indiquée dans l’entrée est illisible</translation>
    </message>
    <message>
        <source>the entry has a switch that is neither 0 nor 1</source>
        <translation>l’entrée contient un réglage qui ne vaut ni 0 ni 1</translation>
    </message>
    <message>
        <source>a yearly entry has no birthday</source>
        <translation>une entrée annuelle n’a pas d’anniversaire</translation>
    </message>
    <message>
        <source>the entry says no recipient</source>
        <translation>l’entrée n’indique aucun destinataire</translation>
    </message>
    <message>
        <source>the entry says no mail server</source>
        <translation>l’entrée n’indique aucun serveur de messagerie</translation>
    </message>
    <message>
        <source>the entry names no greeting file</source>
        <translation>l’entrée n’indique aucun fichier de carte</translation>
    </message>
    <message>
        <source>the greeting file %1 cannot be read</source>
        <translation>le fichier de la carte %1 est illisible</translation>
    </message>
    <message>
        <source>no folder can be made in the outbox %1</source>
        <translation>aucun dossier ne peut être créé dans la boîte d’envoi %1</translation>
    </message>
    <message>
        <source>%1 cannot be put into the outbox</source>
        <translation>%1 ne peut pas être mis dans la boîte d’envoi</translation>
    </message>
    <message>
        <source>a planned greeting needs a mail server: set one in the mail options</source>
        <translation>une carte programmée a besoin d’un serveur de messagerie : indiquez-en un dans les options de messagerie</translation>
    </message>
    <message>
        <source>no birthday is known for %1: add it in the contacts</source>
        <translation>aucun anniversaire n’est connu pour %1 : ajoutez-le dans les contacts</translation>
    </message>
    <message>
        <source>it holds no entry</source>
        <translation>aucune entrée ne s’y trouve</translation>
    </message>
    <message>
        <source>its entry cannot be read</source>
        <translation>son entrée est illisible</translation>
    </message>
    <message>
        <source>its greeting file %1 is missing</source>
        <translation>son fichier de carte %1 est manquant</translation>
    </message>
    <message>
        <source>the outbox entry %1 cannot be written</source>
        <translation>l’entrée %1 de la boîte d’envoi ne peut pas être écrite</translation>
    </message>
    <message>
        <source>there is no greeting %1 in the outbox</source>
        <translation>il n’y a pas de carte %1 dans la boîte d’envoi</translation>
    </message>
    <message>
        <source>the greeting %1 cannot be cancelled: %2</source>
        <translation>la carte %1 ne peut pas être retenue : %2</translation>
    </message>
    <message>
        <source>the greeting %1 is being sent right now</source>
        <translation>la carte %1 est en cours d’envoi</translation>
    </message>
    <message>
        <source>the greeting %1 has been sent already</source>
        <translation>la carte %1 a déjà été envoyée</translation>
    </message>
    <message>
        <source>the greeting %1 is still to be sent or being sent: cancel it first</source>
        <translation>la carte %1 doit encore être envoyée ou est en cours d’envoi : retenez-la d’abord</translation>
    </message>
    <message>
        <source>the greeting %1 cannot be removed: %2</source>
        <translation>la carte %1 ne peut pas être retirée : %2</translation>
    </message>
    <message>
        <source>another run is sending it</source>
        <translation>une autre instance est en train de l’envoyer</translation>
    </message>
    <message>
        <source>it is sent already</source>
        <translation>elle est déjà envoyée</translation>
    </message>
    <message>
        <source>it is cancelled already</source>
        <translation>elle est déjà retenue</translation>
    </message>
    <message>
        <source>Greeting sent</source>
        <translation>Carte envoyée</translation>
    </message>
    <message>
        <source>Your greeting “%1” to %2 was sent.</source>
        <translation>Votre carte « %1 » pour %2 a été envoyée.</translation>
    </message>
    <message>
        <source>Greeting not sent</source>
        <translation>Carte non envoyée</translation>
    </message>
    <message>
        <source>Your greeting “%1” to %2 could not be sent: %3.</source>
        <translation>Votre carte « %1 » pour %2 n’a pas pu être envoyée : %3.</translation>
    </message>
    <message>
        <source>Greeting perhaps not sent</source>
        <translation>Carte peut-être non envoyée</translation>
    </message>
    <message>
        <source>The mail server did not say whether it took your greeting to %1. Open the outbox to send it again or let it be.</source>
        <translation>Le serveur de messagerie n’a pas dit s’il avait accepté votre carte pour %1. Ouvrez la boîte d’envoi pour la renvoyer ou en rester là.</translation>
    </message>
    <message>
        <source>A birthday is coming</source>
        <translation>Un anniversaire approche</translation>
    </message>
    <message>
        <source>%1’s birthday is in a few days, and no greeting is planned for it.</source>
        <translation>L’anniversaire de %1 est dans quelques jours, et aucune carte n’est prévue.</translation>
    </message>
    <message>
        <source>the greeting cannot be drawn: the program has no fonts</source>
        <translation>la carte ne peut pas être dessinée : le programme n’a pas de polices</translation>
    </message>
    <message>
        <source>there is not enough memory to draw the greeting</source>
        <translation>la mémoire ne suffit pas pour dessiner la carte</translation>
    </message>
    <message>
        <source>the greeting&apos;s picture cannot be made: %1</source>
        <translation>l’image de la carte ne peut pas être créée : %1</translation>
    </message>
    <message>
        <source>the greeting&apos;s picture is too large for the message: %1 bytes at %2 x %3, at most %4 allowed</source>
        <translation>l’image de la carte est trop grande pour le message : %1 octets en %2 × %3, %4 au plus autorisés</translation>
    </message>
    <message>
        <source>no reason given</source>
        <translation>aucune raison indiquée</translation>
    </message>
    <message>
        <source>the mail server &quot;%1&quot; has no valid port number</source>
        <translation>le serveur de messagerie « %1 » n’a pas de numéro de port valable</translation>
    </message>
    <message>
        <source>the mail server name &quot;%1&quot; is not a host name</source>
        <translation>le nom de serveur de messagerie « %1 » n’est pas un nom d’hôte</translation>
    </message>
    <message>
        <source>the mail server %1 cannot be found (a reserved, invalid name)</source>
        <translation>le serveur de messagerie %1 est introuvable (nom réservé et non valable)</translation>
    </message>
    <message>
        <source>the mail server %1 cannot be found (%2)</source>
        <translation>le serveur de messagerie %1 est introuvable (%2)</translation>
    </message>
    <message>
        <source>the mail server %1 did not answer in time (connecting)</source>
        <translation>le serveur de messagerie %1 n’a pas répondu à temps (à la connexion)</translation>
    </message>
    <message>
        <source>connecting: %1</source>
        <translation>à la connexion : %1</translation>
    </message>
    <message>
        <source>the mail server %1 did not answer in time (sending)</source>
        <translation>le serveur de messagerie %1 n’a pas répondu à temps (pendant l’envoi)</translation>
    </message>
    <message>
        <source>sending: %1</source>
        <translation>pendant l’envoi : %1</translation>
    </message>
    <message>
        <source>the mail server %1 did not answer in time (waiting for its reply)</source>
        <translation>le serveur de messagerie %1 n’a pas répondu à temps (en attendant sa réponse)</translation>
    </message>
    <message>
        <source>waiting for its reply: %1</source>
        <translation>en attendant sa réponse : %1</translation>
    </message>
    <message>
        <source>the mail server %1 did not answer in time (the TLS handshake)</source>
        <translation>le serveur de messagerie %1 n’a pas répondu à temps (pendant la négociation TLS)</translation>
    </message>
    <message>
        <source>the TLS handshake: %1</source>
        <translation>pendant la négociation TLS : %1</translation>
    </message>
    <message>
        <source>cannot connect to the mail server %1: %2</source>
        <translation>connexion impossible au serveur de messagerie %1 : %2</translation>
    </message>
    <message>
        <source>the connection to the mail server is closed</source>
        <translation>la connexion au serveur de messagerie est fermée</translation>
    </message>
    <message>
        <source>sending to the mail server %1 failed: %2</source>
        <translation>l’envoi au serveur de messagerie %1 a échoué : %2</translation>
    </message>
    <message>
        <source>the mail server %1 sent something that is not a reply: %2</source>
        <translation>le serveur de messagerie %1 a envoyé autre chose qu’une réponse : %2</translation>
    </message>
    <message>
        <source>the mail server %1 mixed reply codes in one reply</source>
        <translation>le serveur de messagerie %1 a mélangé plusieurs codes dans une même réponse</translation>
    </message>
    <message>
        <source>the mail server %1 sent a reply too long to be one</source>
        <translation>le serveur de messagerie %1 a envoyé une réponse trop longue pour en être une</translation>
    </message>
    <message>
        <source>the mail server %1 closed the connection</source>
        <translation>le serveur de messagerie %1 a fermé la connexion</translation>
    </message>
    <message>
        <source>receiving from the mail server %1 failed: %2</source>
        <translation>la réception depuis le serveur de messagerie %1 a échoué : %2</translation>
    </message>
    <message>
        <source>the connection ended</source>
        <translation>la connexion a pris fin</translation>
    </message>
    <message>
        <source>TLS cannot be set up for the mail server %1: %2</source>
        <translation>TLS ne peut pas être mis en place pour le serveur de messagerie %1 : %2</translation>
    </message>
    <message>
        <source>the certificate of the mail server %1 cannot be trusted: %2</source>
        <translation>le certificat du serveur de messagerie %1 n’est pas digne de confiance : %2</translation>
    </message>
    <message>
        <source>the mail server %1 closed the connection during the TLS handshake</source>
        <translation>le serveur de messagerie %1 a fermé la connexion pendant la négociation TLS</translation>
    </message>
    <message>
        <source>the TLS handshake with the mail server %1 failed: %2</source>
        <translation>la négociation TLS avec le serveur de messagerie %1 a échoué : %2</translation>
    </message>
    <message>
        <source>Connection refused</source>
        <translation>Connexion refusée</translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation>Délai de connexion dépassé</translation>
    </message>
    <message>
        <source>No route to host</source>
        <translation>Aucune route vers l’hôte</translation>
    </message>
    <message>
        <source>Network is unreachable</source>
        <translation>Le réseau n’est pas accessible</translation>
    </message>
    <message>
        <source>Connection reset by peer</source>
        <translation>Connexion réinitialisée par le correspondant</translation>
    </message>
    <message>
        <source>Software caused connection abort</source>
        <translation>La connexion a été interrompue</translation>
    </message>
    <message>
        <source>Broken pipe</source>
        <translation>La connexion a été fermée par le serveur</translation>
    </message>
    <message>
        <source>Name or service not known</source>
        <translation>Nom ou service inconnu</translation>
    </message>
    <message>
        <source>Temporary failure in name resolution</source>
        <translation>Échec temporaire dans la résolution du nom</translation>
    </message>
    <message>
        <source>Non-recoverable failure in name resolution</source>
        <translation>Échec irrécupérable dans la résolution du nom</translation>
    </message>
</context>
<context>
    <name>MailSize</name>
    <message>
        <source>picture %1</source>
        <translation>image %1</translation>
    </message>
    <message>
        <source>video with sound %1</source>
        <translation>vidéo avec le son %1</translation>
    </message>
    <message>
        <source>greeting file %1</source>
        <translation>fichier de la carte %1</translation>
    </message>
    <message>
        <source>about %1</source>
        <translation>environ %1</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 Mo</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 Ko</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Not a valid file!</source>
        <translation>Fichier non valide !</translation>
    </message>
    <message>
        <source>Error 101</source>
        <translation>Erreur 101</translation>
    </message>
    <message>
        <source>some error occured</source>
        <translation>Une erreur s’est produite</translation>
    </message>
    <message>
        <source>some other error occured</source>
        <translation>Une autre erreur s’est produite</translation>
    </message>
    <message>
        <source>Out of memory! Close the application and solve the problem!</source>
        <translation>Mémoire insuffisante ! Fermez l’application et résolvez le problème !</translation>
    </message>
    <message>
        <source>Not enough memory (3)!</source>
        <translation>Mémoire insuffisante (3) !</translation>
    </message>
    <message>
        <source>The address book cannot be changed: no data directory is set</source>
        <translation>Le carnet d’adresses ne peut pas être modifié : aucun dossier de données n’est défini</translation>
    </message>
    <message>
        <source>The address book was not updated: no data directory is set</source>
        <translation>Le carnet d’adresses n’a pas été mis à jour : aucun dossier de données n’est défini</translation>
    </message>
    <message>
        <source>The player program cannot be found: no data directory is set</source>
        <translation>Le programme de lecture est introuvable : aucun dossier de données n’est défini</translation>
    </message>
</context>
<context>
    <name>Objects</name>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Trait</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Polygon</source>
        <translation>Polygone</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Text in a rectangle</source>
        <translation>Texte dans le rectangle</translation>
    </message>
    <message>
        <source>Text in an ellipse</source>
        <translation>Texte dans l&apos;ellipse</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voix</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1 : lecture impossible</translation>
    </message>
    <message>
        <source>%1: the picture is damaged or cut short</source>
        <translation>%1 : l’image est endommagée ou tronquée</translation>
    </message>
    <message>
        <source>%1: the picture is damaged or cut short (%2)</source>
        <translation>%1 : l’image est endommagée ou tronquée (%2)</translation>
    </message>
    <message>
        <source>%1: the picture is too large (%2 x %3 pixels; at most %4 megapixels are read)</source>
        <translation>%1 : l’image est trop grande (%2 x %3 pixels ; %4 mégapixels au plus sont lus)</translation>
    </message>
    <message>
        <source>%1: WebP pictures cannot be read here: Qt&apos;s image format plug-ins are missing</source>
        <translation>%1 : les images WebP ne peuvent pas être lues ici : les modules de formats d’image de Qt manquent</translation>
    </message>
    <message>
        <source>%1: not a picture that can be read (PNG, JPEG, GIF, WebP, BMP, HEIC or AVIF)</source>
        <translation>%1 : pas une image lisible (PNG, JPEG, GIF, WebP, BMP, HEIC ou AVIF)</translation>
    </message>
    <message>
        <source>%1: there is not enough memory for the picture</source>
        <translation>%1 : la mémoire ne suffit pas pour l’image</translation>
    </message>
    <message>
        <source>%1: the file is empty</source>
        <translation>%1 : le fichier est vide</translation>
    </message>
    <message>
        <source>%1: the file is too large for a picture</source>
        <translation>%1 : le fichier est trop grand pour une image</translation>
    </message>
    <message>
        <source>%1: HEIC and AVIF pictures cannot be read by this build</source>
        <translation>%1 : cette version du programme ne lit pas les images HEIC et AVIF</translation>
    </message>
</context>
<context>
    <name>Player</name>
    <message>
        <source>usage: %1</source>
        <translation>usage : %1</translation>
    </message>
    <message>
        <source>plays the greeting FILE holds (a bundle or a .kel project), or the one appended to this program</source>
        <translation>lit la carte que contient FILE (un fichier du lecteur ou un projet .kel), ou celle jointe à ce programme</translation>
    </message>
    <message>
        <source>vimble-play: the signal handlers cannot be installed</source>
        <translation>vimble-play : impossible d’installer les gestionnaires de signaux</translation>
    </message>
    <message>
        <source>vimble-play: no private folder can be made in the temporary directory</source>
        <translation>vimble-play : impossible de créer un dossier privé dans le dossier temporaire</translation>
    </message>
    <message>
        <source>%1: this program carries no greeting; name a greeting to play</source>
        <translation>%1 : ce programme ne contient aucune carte ; indiquez une carte à lire</translation>
    </message>
    <message>
        <source>vimble-play: there is no screen to show the greeting on (DISPLAY is not set)</source>
        <translation>vimble-play : aucun écran où afficher la carte (DISPLAY n’est pas défini)</translation>
    </message>
    <message>
        <source>the greeting cannot be opened</source>
        <translation>la carte ne peut pas être ouverte</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1: cannot be written</source>
        <translation>%1 : écriture impossible</translation>
    </message>
    <message>
        <source>%1: cannot be opened</source>
        <translation>%1 : ouverture impossible</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1 : lecture impossible</translation>
    </message>
    <message>
        <source>%1: the player&apos;s data in this greeting is damaged: %2</source>
        <translation>%1 : les données du lecteur dans cette carte sont endommagées : %2</translation>
    </message>
    <message>
        <source>%1: the player&apos;s data names its SoundFont &quot;%2&quot;</source>
        <translation>%1 : les données du lecteur nomment leur SoundFont « %2 »</translation>
    </message>
    <message>
        <source>%1: the player&apos;s data cannot be read</source>
        <translation>%1 : les données du lecteur sont illisibles</translation>
    </message>
    <message>
        <source>%1: the greeting in this file is empty</source>
        <translation>%1 : la carte de ce fichier est vide</translation>
    </message>
    <message>
        <source>%1: the greeting cannot be copied into %2</source>
        <translation>%1 : impossible de copier la carte dans %2</translation>
    </message>
    <message>
        <source>%1: the greeting in this file is damaged (its pieces do not add up to the file&apos;s length)</source>
        <translation>%1 : la carte de ce fichier est endommagée (ses parties ne correspondent pas à la longueur du fichier)</translation>
    </message>
    <message>
        <source>%1: cannot be copied into %2</source>
        <translation>%1 : copie impossible dans %2</translation>
    </message>
    <message>
        <source>%1: there is no greeting in this file</source>
        <translation>%1 : ce fichier ne contient aucune carte</translation>
    </message>
    <message>
        <source>the tag is not %1</source>
        <translation>la marque n’est pas %1</translation>
    </message>
    <message>
        <source>the header ends after %1 bytes</source>
        <translation>l’en-tête s’arrête après %1 octets</translation>
    </message>
    <message>
        <source>version %1 is not %2</source>
        <translation>la version %1 n’est pas la %2</translation>
    </message>
    <message>
        <source>the header claims %1 entries, %2 bytes remain</source>
        <translation>l’en-tête annonce %1 entrées, il reste %2 octets</translation>
    </message>
    <message>
        <source>entry %1: its name length is cut off at byte %2</source>
        <translation>entrée %1 : la longueur de son nom est coupée à l’octet %2</translation>
    </message>
    <message>
        <source>entry %1: a name of %2 bytes</source>
        <translation>entrée %1 : un nom de %2 octets</translation>
    </message>
    <message>
        <source>entry %1: its name claims %2 bytes, %3 remain</source>
        <translation>entrée %1 : son nom annonce %2 octets, il en reste %3</translation>
    </message>
    <message>
        <source>entry %1 (%2): its data length is cut off at byte %3</source>
        <translation>entrée %1 (%2) : la longueur de ses données est coupée à l’octet %3</translation>
    </message>
    <message>
        <source>entry %1 (%2) claims %3 bytes, %4 remain</source>
        <translation>entrée %1 (%2) : elle annonce %3 octets, il en reste %4</translation>
    </message>
    <message>
        <source>entry %1: the name &quot;%2&quot; is not allowed or comes twice</source>
        <translation>entrée %1 : le nom « %2 » n’est pas permis ou apparaît deux fois</translation>
    </message>
    <message>
        <source>%1 bytes follow the last entry</source>
        <translation>%1 octets suivent la dernière entrée</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Colour</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>a planned greeting waits for this password</source>
        <translation>une carte programmée attend ce mot de passe</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>Stage</source>
        <translation>Scène</translation>
    </message>
    <message>
        <source>%1, %2, at %3, %4</source>
        <translation>%1, %2, à %3, %4</translation>
    </message>
    <message>
        <source>clipart</source>
        <translation>clipart</translation>
    </message>
    <message>
        <source>animation</source>
        <translation>animation</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>image</translation>
    </message>
    <message>
        <source>text</source>
        <translation>texte</translation>
    </message>
    <message>
        <source>shape</source>
        <translation>forme</translation>
    </message>
    <message>
        <source>object</source>
        <translation>objet</translation>
    </message>
    <message>
        <source>no name</source>
        <translation>sans nom</translation>
    </message>
</context>
<context>
    <name>Sending</name>
    <message>
        <source>The greeting cannot be exported: the player &quot;%1&quot; is missing.</source>
        <translation>La carte ne peut pas être exportée : le lecteur « %1 » est introuvable.</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>played</source>
        <translation>joué</translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <translation>la mémoire est insuffisante</translation>
    </message>
    <message>
        <source>the player cannot do that now</source>
        <translation>le lecteur ne peut pas le faire maintenant</translation>
    </message>
    <message>
        <source>the MIDI output is not ready</source>
        <translation>la sortie MIDI n’est pas prête</translation>
    </message>
    <message>
        <source>the file is not a MIDI file that can be played</source>
        <translation>le fichier n’est pas un fichier MIDI qui peut être lu</translation>
    </message>
    <message>
        <source>the MIDI output refused</source>
        <translation>la sortie MIDI a refusé</translation>
    </message>
    <message>
        <source>no SoundFont is installed</source>
        <translation>aucun SoundFont n’est installé</translation>
    </message>
    <message>
        <source>no SoundFont</source>
        <translation>aucun SoundFont</translation>
    </message>
    <message>
        <source>no audio output</source>
        <translation>aucune sortie son</translation>
    </message>
    <message>
        <source>Synthesizer (%1)</source>
        <translation>Synthétiseur (%1)</translation>
    </message>
    <message>
        <source>nothing was recorded</source>
        <translation>rien n’a été enregistré</translation>
    </message>
    <message>
        <source>the recording is silent: is the microphone muted or turned down?</source>
        <translation>l’enregistrement est muet : le micro est-il coupé ou réglé trop bas ?</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>frame %1 is past the end of the animation (%2 frames)</source>
        <translation>l’image %1 est au-delà de la fin de l’animation (%2 images)</translation>
    </message>
    <message>
        <source>%1: no private copy can be made in %2</source>
        <translation>%1 : impossible d’en créer une copie privée dans %2</translation>
    </message>
    <message>
        <source>the sound would play at the same time as another sound of object %1</source>
        <translation>le son serait joué en même temps qu’un autre son de l’objet %1</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>impossible de lire %1</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>impossible d’écrire %1</translation>
    </message>
    <message>
        <source>no audio device could be opened</source>
        <translation>aucun périphérique audio n’a pu être ouvert</translation>
    </message>
    <message>
        <source>the sound system did not start: %1</source>
        <translation>le système audio n’a pas démarré : %1</translation>
    </message>
    <message>
        <source>no microphone was found</source>
        <translation>aucun micro n’a été trouvé</translation>
    </message>
    <message>
        <source>the microphone could not be opened: %1</source>
        <translation>le micro n’a pas pu être ouvert : %1</translation>
    </message>
    <message>
        <source>the speech synthesizer cannot be started: espeak-ng did not start</source>
        <translation>la synthèse vocale ne peut pas démarrer : espeak-ng n’a pas démarré</translation>
    </message>
    <message>
        <source>the speech synthesizer cannot be started: espeak-ng has no English voice (is espeak-ng-data installed?)</source>
        <translation>la synthèse vocale ne peut pas démarrer : espeak-ng n’a pas de voix anglaise (espeak-ng-data est-il installé ?)</translation>
    </message>
    <message>
        <source>the speech synthesizer has no female English voice</source>
        <translation>la synthèse vocale n’a pas de voix anglaise féminine</translation>
    </message>
    <message>
        <source>the speech synthesizer has no male English voice</source>
        <translation>la synthèse vocale n’a pas de voix anglaise masculine</translation>
    </message>
    <message>
        <source>the text is too long to be spoken (over %1 minutes)</source>
        <translation>le texte est trop long pour être prononcé (plus de %1 minutes)</translation>
    </message>
    <message>
        <source>the speech synthesizer could not say the text</source>
        <translation>la synthèse vocale n’a pas pu prononcer le texte</translation>
    </message>
    <message>
        <source>the SoundFont &quot;%1&quot; does not exist</source>
        <translation>le SoundFont « %1 » n’existe pas</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a SoundFont</source>
        <translation>« %1 » n’est pas un SoundFont</translation>
    </message>
    <message>
        <source>the synthesizer cannot be started</source>
        <translation>le synthétiseur ne peut pas démarrer</translation>
    </message>
    <message>
        <source>the SoundFont &quot;%1&quot; cannot be loaded</source>
        <translation>le SoundFont « %1 » ne peut pas être chargé</translation>
    </message>
    <message>
        <source>the SoundFont &quot;%1&quot; cannot be loaded: %2</source>
        <translation>le SoundFont « %1 » ne peut pas être chargé : %2</translation>
    </message>
    <message>
        <source>the wave&apos;s format chunk is too short</source>
        <translation>le bloc de format du fichier wave est trop court</translation>
    </message>
    <message>
        <source>the wave&apos;s extended format chunk is too short</source>
        <translation>le bloc de format étendu du fichier wave est trop court</translation>
    </message>
    <message>
        <source>compressed waves (format %1) are not supported</source>
        <translation>les fichiers wave compressés (format %1) ne sont pas pris en charge</translation>
    </message>
    <message>
        <source>the wave has %1 channels; 1 to %2 can be played</source>
        <translation>le fichier wave a %1 canaux ; de 1 à %2 peuvent être lus</translation>
    </message>
    <message>
        <source>the wave&apos;s rate of %1 Hz is outside %2 to %3 Hz</source>
        <translation>la fréquence d’échantillonnage du fichier wave, %1 Hz, est hors de la plage de %2 à %3 Hz</translation>
    </message>
    <message>
        <source>float waves with %1 bits per sample are not supported</source>
        <translation>les fichiers wave en virgule flottante à %1 bits par échantillon ne sont pas pris en charge</translation>
    </message>
    <message>
        <source>PCM waves with %1 bits per sample are not supported</source>
        <translation>les fichiers wave PCM à %1 bits par échantillon ne sont pas pris en charge</translation>
    </message>
    <message>
        <source>the wave&apos;s block size (%1 bytes) does not match its %2 channels of %3 bytes</source>
        <translation>la taille de bloc du fichier wave (%1 octets) ne correspond pas à ses %2 canaux de %3 octets</translation>
    </message>
    <message>
        <source>not a RIFF/WAVE file</source>
        <translation>ce n’est pas un fichier RIFF/WAVE</translation>
    </message>
    <message>
        <source>the wave file is cut short</source>
        <translation>le fichier wave est tronqué</translation>
    </message>
    <message>
        <source>the wave&apos;s format chunk is missing</source>
        <translation>le bloc de format du fichier wave manque</translation>
    </message>
    <message>
        <source>the wave&apos;s sound data is missing</source>
        <translation>les données sonores du fichier wave manquent</translation>
    </message>
    <message>
        <source>the wave is too long to play (over %1 minutes)</source>
        <translation>le fichier wave est trop long pour être lu (plus de %1 minutes)</translation>
    </message>
    <message>
        <source>the wave file cannot be found</source>
        <translation>le fichier wave est introuvable</translation>
    </message>
    <message>
        <source>the wave file is too large (over 2 GB)</source>
        <translation>le fichier wave est trop volumineux (plus de 2 Go)</translation>
    </message>
    <message>
        <source>the wave file cannot be read</source>
        <translation>impossible de lire le fichier wave</translation>
    </message>
    <message>
        <source>the greeting has no object to give a sound</source>
        <translation>la carte n’a aucun objet auquel donner un son</translation>
    </message>
    <message>
        <source>there is no object %1 (the greeting has %2, from 0)</source>
        <translation>il n’y a pas d’objet %1 (la carte en a %2, comptés à partir de 0)</translation>
    </message>
    <message>
        <source>every object of the greeting already has a sound playing then</source>
        <translation>chaque objet de la carte joue déjà un son à ce moment-là</translation>
    </message>
    <message>
        <source>the IMA ADPCM wave&apos;s data is damaged (a step index of %1)</source>
        <translation>les données du fichier wave IMA ADPCM sont endommagées (un index de pas de %1)</translation>
    </message>
    <message>
        <source>IMA ADPCM waves with %1 bits per sample are not supported</source>
        <translation>les fichiers wave IMA ADPCM à %1 bits par échantillon ne sont pas pris en charge</translation>
    </message>
    <message>
        <source>the IMA ADPCM wave&apos;s block size (%1 bytes) does not fit its %2 channels</source>
        <translation>la taille de bloc du fichier wave IMA ADPCM (%1 octets) ne convient pas à ses %2 canaux</translation>
    </message>
</context>
<context>
    <name>Sounds</name>
    <message>
        <source>%1 is damaged: its sound cannot be decoded</source>
        <translation>%1 est endommagé : son son ne peut pas être décodé</translation>
    </message>
    <message>
        <source>%1 cannot be found</source>
        <translation>%1 est introuvable</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 ne peut pas être lu</translation>
    </message>
    <message>
        <source>%1 is no audio file of a kind that can be read (WAV, MP3, M4A, Ogg Vorbis, Opus or FLAC)</source>
        <translation>%1 n&apos;est pas un fichier audio d&apos;un type lisible (WAV, MP3, M4A, Ogg Vorbis, Opus ou FLAC)</translation>
    </message>
    <message>
        <source>%1 holds no sound</source>
        <translation>%1 ne contient aucun son</translation>
    </message>
    <message>
        <source>%1 holds sound of a kind that cannot be decoded (%2)</source>
        <translation>%1 contient un son d&apos;un type qui ne peut pas être décodé (%2)</translation>
    </message>
    <message>
        <source>%1: the part from %2 s starts past the song&apos;s end (%3 s)</source>
        <translation>%1 : la partie à partir de %2 s commence après la fin de la chanson (%3 s)</translation>
    </message>
</context>
<context>
    <name>Tool</name>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1: failed</source>
        <translation>%1 : échec</translation>
    </message>
    <message>
        <source>usage: vimble-tool VERB ARGUMENTS</source>
        <translation>usage : vimble-tool VERBE ARGUMENTS</translation>
    </message>
    <message>
        <source>usage: %1</source>
        <translation>usage : %1</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1 : lecture impossible</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>lecture impossible</translation>
    </message>
    <message>
        <source>%1: cannot be written</source>
        <translation>%1 : écriture impossible</translation>
    </message>
    <message>
        <source>%1: not an animation, clipart, background or sound item</source>
        <translation>%1 : ni une animation, ni un clipart, ni un fond, ni un son</translation>
    </message>
    <message>
        <source>encode or decode a file with the project codec</source>
        <translation>encoder ou décoder un fichier avec le codec des projets</translation>
    </message>
    <message>
        <source>write a new, empty project</source>
        <translation>écrire un nouveau projet vide</translation>
    </message>
    <message>
        <source>a .kel, .hdr or .zty file as JSON</source>
        <translation>un fichier .kel, .hdr ou .zty en JSON</translation>
    </message>
    <message>
        <source>open a project and save it again</source>
        <translation>ouvrir un projet et l’enregistrer de nouveau</translation>
    </message>
    <message>
        <source>%1: %2%</source>
        <translation>%1 : %2 %</translation>
    </message>
    <message>
        <source>frames of continuous play from a rewind as an animated picture or a video with sound</source>
        <translation>les images de la lecture continue depuis le début, en image animée ou en vidéo avec le son</translation>
    </message>
    <message>
        <source>no data directory: set DataFiles1 or pass --data DIR</source>
        <translation>aucun dossier de données : définissez DataFiles1 ou indiquez --data DIR</translation>
    </message>
    <message>
        <source>no temporary folder can be made</source>
        <translation>impossible de créer un dossier temporaire</translation>
    </message>
    <message>
        <source>cannot be copied to %1</source>
        <translation>copie impossible vers %1</translation>
    </message>
    <message>
        <source>the mail worker cannot be started</source>
        <translation>l’envoi en arrière-plan ne peut pas démarrer</translation>
    </message>
    <message>
        <source>not a player bundle</source>
        <translation>pas un fichier du lecteur</translation>
    </message>
    <message>
        <source>%1: damaged or unreadable; the entries before the damage are listed</source>
        <translation>%1 : endommagé ou illisible ; les entrées situées avant le dommage sont listées</translation>
    </message>
    <message>
        <source>%1: damaged or unreadable; left unchanged</source>
        <translation>%1 : endommagé ou illisible ; laissé tel quel</translation>
    </message>
    <message>
        <source>%1: has no entry %2 (it has %3)</source>
        <translation>%1 : pas d’entrée %2 (il y en a %3)</translation>
    </message>
    <message>
        <source>mail a project as a greeting with its picture, video and file, or hand it to the mail program</source>
        <translation>envoyer un projet comme carte avec son image, sa vidéo et son fichier, ou le confier au logiciel de messagerie</translation>
    </message>
    <message>
        <source>write the self-playing attachment of a project</source>
        <translation>écrire la pièce jointe autonome d’un projet</translation>
    </message>
    <message>
        <source>write a bundle&apos;s pieces into DIR and print its trailer as JSON</source>
        <translation>écrire les parties d’un fichier du lecteur dans DIR et afficher son bloc de fin en JSON</translation>
    </message>
    <message>
        <source>encode a file as a base64 MIME part, or decode one</source>
        <translation>encoder un fichier en partie MIME base64, ou décoder une telle partie</translation>
    </message>
    <message>
        <source>list or change the address book</source>
        <translation>lister ou modifier le carnet d’adresses</translation>
    </message>
    <message>
        <source>%1: damaged; left unchanged</source>
        <translation>%1 : endommagé ; laissé tel quel</translation>
    </message>
    <message>
        <source>not a birthday: %1 (1990-05-17 or --05-17)</source>
        <translation>pas une date d’anniversaire : %1 (1990-05-17 ou --05-17)</translation>
    </message>
    <message>
        <source>no contact %1</source>
        <translation>aucun contact %1</translation>
    </message>
    <message>
        <source>list the contacts as JSON, import vCard or CSV files, export vCard 4.0, add or remove one</source>
        <translation>lister les contacts en JSON, importer des fichiers vCard ou CSV, exporter en vCard 4.0, ajouter ou supprimer un contact</translation>
    </message>
    <message>
        <source>plan greetings for a day or every birthday, list them as JSON, cancel them, and send what is due</source>
        <translation>programmer des cartes pour un jour ou pour chaque anniversaire, les lister en JSON, les retenir, et envoyer ce qui est dû</translation>
    </message>
    <message>
        <source>not an e-mail address (NAME@DOMAIN)</source>
        <translation>pas une adresse e-mail (NOM@DOMAINE)</translation>
    </message>
    <message>
        <source>print as JSON the mail server an address sends through, and where that was found</source>
        <translation>afficher en JSON le serveur de messagerie par lequel une adresse envoie, et où il a été trouvé</translation>
    </message>
    <message>
        <source>%1: not a bitmap file</source>
        <translation>%1 : pas un fichier bitmap</translation>
    </message>
    <message>
        <source>what a bitmap file&apos;s header says and whether it decodes</source>
        <translation>ce que dit l’en-tête d’un fichier bitmap, et s’il se décode</translation>
    </message>
    <message>
        <source>the still picture, or frames of continuous play from a rewind</source>
        <translation>l’image fixe, ou les images de la lecture continue depuis le début</translation>
    </message>
    <message>
        <source>CSV of every object&apos;s drawing effect, position and size, frame by frame</source>
        <translation>l’effet de dessin, la position et la taille de chaque objet en CSV, image par image</translation>
    </message>
    <message>
        <source>%1: the microphone sends no sound</source>
        <translation>%1 : le micro n’envoie aucun son</translation>
    </message>
    <message>
        <source>%1: the microphone went away after %2 s; what came before is kept</source>
        <translation>%1 : le micro a disparu après %2 s ; ce qui a été enregistré avant est gardé</translation>
    </message>
    <message>
        <source>S seconds (1 to 60, 10 by default) of the microphone, cleaned, as a mono WAV</source>
        <translation>S secondes (de 1 à 60, 10 par défaut) du micro, nettoyées, en WAV mono</translation>
    </message>
    <message>
        <source>no SoundFont is installed</source>
        <translation>aucun SoundFont n’est installé</translation>
    </message>
    <message>
        <source>%1: the music stays silent: %2</source>
        <translation>%1 : la musique reste muette : %2</translation>
    </message>
    <message>
        <source>%1: there is not enough memory for the sound</source>
        <translation>%1 : pas assez de mémoire pour le son</translation>
    </message>
    <message>
        <source>%1: result %2: %3</source>
        <translation>%1 : résultat %2 : %3</translation>
    </message>
    <message>
        <source>what continuous play from a rewind sounds like, as a 44.1 kHz stereo WAV</source>
        <translation>le son de la lecture continue depuis le début, en WAV stéréo à 44,1 kHz</translation>
    </message>
    <message>
        <source>what the MIDI reader finds in a file, or the player&apos;s result and why</source>
        <translation>ce que la lecture d’un fichier MIDI y trouve, ou la réponse du lecteur MIDI et pourquoi</translation>
    </message>
    <message>
        <source>%1: cannot be opened as a resource library</source>
        <translation>%1 : impossible d’ouvrir ce fichier comme bibliothèque de ressources</translation>
    </message>
    <message>
        <source>--scale takes a ratio from 1 to 4</source>
        <translation>--scale prend un facteur de 1 à 4</translation>
    </message>
    <message>
        <source>%1: no library header files (*.hdr) can be listed there</source>
        <translation>%1 : impossible d’y lister les fichiers d’en-tête de la bibliothèque (*.hdr)</translation>
    </message>
    <message>
        <source>(empty data directory: /)</source>
        <translation>(dossier de données vide : /)</translation>
    </message>
    <message>
        <source>check the resource library (every face at 1x, 1.5x and 2x, the lettered ones in every language too), or draw every face on one sheet (at a screen scale)</source>
        <translation>vérifier la bibliothèque de ressources (chaque image de l’interface en 1x, 1,5x et 2x, celles avec du texte aussi dans chaque langue), ou les dessiner toutes sur une planche (à une échelle d’écran)</translation>
    </message>
    <message>
        <source>the catalogues and categories the start-up scan builds (JSON)</source>
        <translation>les catalogues et catégories que construit l’analyse au démarrage (JSON)</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1 ; %2</translation>
    </message>
    <message>
        <source>the text is not UTF-8</source>
        <translation>le texte n’est pas en UTF-8</translation>
    </message>
    <message>
        <source>there is no object %1 (the greeting has %2, from 0)</source>
        <translation>il n’y a pas d’objet %1 (la carte en a %2, comptés à partir de 0)</translation>
    </message>
    <message>
        <source>object %1 is not a text</source>
        <translation>l’objet %1 n’est pas un texte</translation>
    </message>
    <message>
        <source>the project with the text of its object I (a text, from 0) replaced</source>
        <translation>le projet avec le texte de son objet I (un texte, à partir de 0) remplacé</translation>
    </message>
    <message>
        <source>%1: there is no such recovery copy</source>
        <translation>%1 : cette copie de récupération n’existe pas</translation>
    </message>
    <message>
        <source>%1: the recovery copy cannot be removed</source>
        <translation>%1 : la copie de récupération ne peut pas être supprimée</translation>
    </message>
    <message>
        <source>list the recovery copies of greetings being changed as JSON, write one out, or remove it</source>
        <translation>lister en JSON les copies de récupération des cartes en cours de modification, en écrire une ou la supprimer</translation>
    </message>
    <message>
        <source>list the earlier versions a greeting&apos;s saves replaced as JSON (1 is the newest), or write one out</source>
        <translation>lister en JSON les versions précédentes qu’ont remplacées les enregistrements d’une carte (1 est la plus récente), ou en écrire une</translation>
    </message>
    <message>
        <source>%1: the project has no stage</source>
        <translation>%1 : le projet n’a pas de scène</translation>
    </message>
    <message>
        <source>the project with a picture (PNG, JPEG, GIF, WebP, BMP, HEIC, AVIF) as the background or as a new object, centred unless placed, in a frame if asked</source>
        <translation>le projet avec une image (PNG, JPEG, GIF, WebP, BMP, HEIC, AVIF) en arrière-plan ou comme nouvel objet, centrée sauf placement, dans un cadre si demandé</translation>
    </message>
    <message>
        <source>the project with the sound added to an object (from 0) at frame N; a recorded voice plays once; a song (MP3, M4A, Ogg, Opus, FLAC, or a wave with the options) gives its part from S seconds, N long (to the end, at most 60), faded over F, compressed</source>
        <translation>le projet avec le son ajouté à un objet (à partir de 0) à l&apos;image N ; une voix enregistrée est jouée une fois ; une chanson (MP3, M4A, Ogg, Opus, FLAC, ou un wave avec les options) donne sa partie à partir de S secondes, longue de N (jusqu&apos;à la fin, au plus 60), en fondu sur F, compressée</translation>
    </message>
</context>
<context>
    <name>Video</name>
    <message>
        <source>%1 cannot be written</source>
        <translation>impossible d’écrire %1</translation>
    </message>
    <message>
        <source>there is no greeting to export</source>
        <translation>il n’y a pas de carte à exporter</translation>
    </message>
    <message>
        <source>the size must be from 2 x 2 to 4096 x 4096</source>
        <translation>la taille doit être comprise entre 2 x 2 et 4096 x 4096</translation>
    </message>
    <message>
        <source>the first frame must come before the last</source>
        <translation>la première image doit précéder la dernière</translation>
    </message>
    <message>
        <source>an export holds at most 30000 frames (an hour)</source>
        <translation>un export contient au plus 30000 images (une heure)</translation>
    </message>
    <message>
        <source>the number of plays must be from 0 (for ever) to 1000</source>
        <translation>le nombre de lectures doit être compris entre 0 (sans fin) et 1000</translation>
    </message>
    <message>
        <source>the music stays silent: %1</source>
        <translation>la musique reste muette : %1</translation>
    </message>
    <message>
        <source>there is not enough memory for the sound</source>
        <translation>la mémoire est insuffisante pour le son</translation>
    </message>
    <message>
        <source>there is no greeting to draw</source>
        <translation>il n’y a pas de carte à dessiner</translation>
    </message>
    <message>
        <source>the picture&apos;s or the video&apos;s size is not one that can be made</source>
        <translation>une image ou une vidéo de cette taille ne peut pas être produite</translation>
    </message>
    <message>
        <source>the greeting&apos;s copy cannot be read</source>
        <translation>la copie de la carte est illisible</translation>
    </message>
    <message>
        <source>there is not enough memory to compose the frames</source>
        <translation>la mémoire ne suffit pas pour composer les images</translation>
    </message>
    <message>
        <source>the video&apos;s frames claim a size of %1 x %2 (at most %3 x %4)</source>
        <translation>les images de la vidéo annoncent une taille de %1 x %2 (au plus %3 x %4)</translation>
    </message>
    <message>
        <source>frame %1 has a size of %2 x %3</source>
        <translation>l’image %1 a une taille de %2 x %3</translation>
    </message>
    <message>
        <source>the video&apos;s pictures cannot be converted to RGB</source>
        <translation>les images de la vidéo ne peuvent pas être converties en RGB</translation>
    </message>
    <message>
        <source>frame %1 cannot be converted to RGB: %2</source>
        <translation>l’image %1 ne peut pas être convertie en RGB : %2</translation>
    </message>
    <message>
        <source>frame %1 cannot be converted to RGB</source>
        <translation>l’image %1 ne peut pas être convertie en RGB</translation>
    </message>
    <message>
        <source>there is no memory for a frame of the video</source>
        <translation>la mémoire est insuffisante pour une image de la vidéo</translation>
    </message>
    <message>
        <source>the video cannot go back to its start: %1</source>
        <translation>la vidéo ne peut pas revenir à son début : %1</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>le fichier n’existe pas</translation>
    </message>
    <message>
        <source>it is not a file (a folder or a device)</source>
        <translation>ce n’est pas un fichier (mais un dossier ou un périphérique)</translation>
    </message>
    <message>
        <source>the file cannot be read as a video: %1</source>
        <translation>le fichier ne peut pas être lu comme une vidéo : %1</translation>
    </message>
    <message>
        <source>the file holds no video (its first stream is not a video stream)</source>
        <translation>le fichier ne contient pas de vidéo (son premier flux n’est pas un flux vidéo)</translation>
    </message>
    <message>
        <source>the video&apos;s rate or scale is 0</source>
        <translation>le numérateur ou le dénominateur de la cadence de la vidéo vaut 0</translation>
    </message>
    <message>
        <source>the file&apos;s streams cannot be read: %1</source>
        <translation>les flux du fichier ne peuvent pas être lus : %1</translation>
    </message>
    <message>
        <source>the video does not say the size of its frames</source>
        <translation>la vidéo n’indique pas la taille de ses images</translation>
    </message>
    <message>
        <source>the video&apos;s rate (%1) or scale (%2) is 0 or less</source>
        <translation>le numérateur (%1) ou le dénominateur (%2) de la cadence de la vidéo vaut 0 ou moins</translation>
    </message>
    <message>
        <source>the video claims %1 frames a second (0.1 to 1000 play)</source>
        <translation>la vidéo annonce %1 images par seconde (de 0,1 à 1000 peuvent être lues)</translation>
    </message>
    <message>
        <source>the video claims a length of %1 frames (1 to 10000000 play)</source>
        <translation>la vidéo annonce une longueur de %1 images (de 1 à 10000000 peuvent être lues)</translation>
    </message>
    <message>
        <source>the video libraries have no decoder for %1 video</source>
        <translation>les bibliothèques vidéo n’ont pas de décodeur pour la vidéo %1</translation>
    </message>
    <message>
        <source>there is no memory for the video decoder</source>
        <translation>la mémoire est insuffisante pour le décodeur vidéo</translation>
    </message>
    <message>
        <source>the %1 decoder could not be opened: %2</source>
        <translation>le décodeur %1 n’a pas pu être ouvert : %2</translation>
    </message>
    <message>
        <source>there is no memory for the video&apos;s frames</source>
        <translation>la mémoire est insuffisante pour les images de la vidéo</translation>
    </message>
    <message>
        <source>there is no memory for the video&apos;s frames: %1</source>
        <translation>la mémoire est insuffisante pour les images de la vidéo : %1</translation>
    </message>
    <message>
        <source>no video is open</source>
        <translation>aucune vidéo n’est ouverte</translation>
    </message>
    <message>
        <source>frame %1 is not in the video (0 to %2)</source>
        <translation>l’image %1 n’est pas dans la vidéo (de 0 à %2)</translation>
    </message>
    <message>
        <source>the file ends before frame %1 (%2)</source>
        <translation>le fichier se termine avant l’image %1 (%2)</translation>
    </message>
    <message>
        <source>the file ends before frame %1</source>
        <translation>le fichier se termine avant l’image %1</translation>
    </message>
    <message>
        <source>frame %1 cannot be decoded: %2</source>
        <translation>l’image %1 ne peut pas être décodée : %2</translation>
    </message>
    <message>
        <source>the installed video libraries lack an MPEG-4 encoder</source>
        <translation>il manque aux bibliothèques vidéo installées un encodeur MPEG-4</translation>
    </message>
    <message>
        <source>the installed video libraries lack an encoder for VP9 or VP8 (libvpx)</source>
        <translation>il manque aux bibliothèques vidéo installées un encodeur VP9 ou VP8 (libvpx)</translation>
    </message>
    <message>
        <source>the installed video libraries lack an encoder for Opus or Vorbis (libopus, libvorbis)</source>
        <translation>il manque aux bibliothèques vidéo installées un encodeur Opus ou Vorbis (libopus, libvorbis)</translation>
    </message>
    <message>
        <source>the installed video libraries lack an H.264 encoder (libx264)</source>
        <translation>il manque aux bibliothèques vidéo installées un encodeur H.264 (libx264)</translation>
    </message>
    <message>
        <source>the installed video libraries lack an AAC encoder</source>
        <translation>il manque aux bibliothèques vidéo installées un encodeur AAC</translation>
    </message>
    <message>
        <source>animated PNG</source>
        <translation>PNG animé</translation>
    </message>
    <message>
        <source>the installed video libraries lack an animated PNG encoder</source>
        <translation>il manque aux bibliothèques vidéo installées un encodeur PNG animé</translation>
    </message>
    <message>
        <source>the installed video libraries cannot write %1 files</source>
        <translation>les bibliothèques vidéo installées ne savent pas écrire de fichiers %1</translation>
    </message>
    <message>
        <source>the installed video libraries cannot write %1 files: %2</source>
        <translation>les bibliothèques vidéo installées ne savent pas écrire de fichiers %1 : %2</translation>
    </message>
    <message>
        <source>the %1 encoder refused a frame: %2</source>
        <translation>l’encodeur %1 a refusé un bloc de données : %2</translation>
    </message>
    <message>
        <source>the %1 encoder refused to finish: %2</source>
        <translation>l’encodeur %1 a refusé de terminer : %2</translation>
    </message>
    <message>
        <source>the %1 encoder failed: %2</source>
        <translation>l’encodeur %1 a échoué : %2</translation>
    </message>
    <message>
        <source>the video file could not be written: %1</source>
        <translation>le fichier vidéo n’a pas pu être écrit : %1</translation>
    </message>
    <message>
        <source>there is no memory for the %1 encoder</source>
        <translation>la mémoire est insuffisante pour l’encodeur %1</translation>
    </message>
    <message>
        <source>the %1 encoder could not be opened: %2</source>
        <translation>l’encodeur %1 n’a pas pu être ouvert : %2</translation>
    </message>
    <message>
        <source>the %1 stream could not be set up: %2</source>
        <translation>le flux %1 n’a pas pu être configuré : %2</translation>
    </message>
    <message>
        <source>the sound cannot be converted for the %1 encoder: %2</source>
        <translation>le son ne peut pas être converti pour l’encodeur %1 : %2</translation>
    </message>
    <message>
        <source>there is no memory for the sound</source>
        <translation>la mémoire est insuffisante pour le son</translation>
    </message>
    <message>
        <source>there is no memory for the sound: %1</source>
        <translation>la mémoire est insuffisante pour le son : %1</translation>
    </message>
    <message>
        <source>the sound queue lost samples</source>
        <translation>la file d’attente du son a perdu des échantillons</translation>
    </message>
    <message>
        <source>the sound could not be converted: %1</source>
        <translation>le son n’a pas pu être converti : %1</translation>
    </message>
    <message>
        <source>a video&apos;s size must be from 2 x 2 to %1 x %2</source>
        <translation>la taille d’une vidéo doit être comprise entre 2 x 2 et %1 x %2</translation>
    </message>
    <message>
        <source>a video frame must last from 1 to 10000 ms</source>
        <translation>une image vidéo doit durer entre 1 et 10000 ms</translation>
    </message>
    <message>
        <source>the number of plays cannot be negative</source>
        <translation>le nombre de lectures ne peut pas être négatif</translation>
    </message>
    <message>
        <source>the video&apos;s frame hold or bit rates are out of range</source>
        <translation>la durée de maintien des images ou les débits de la vidéo sont hors limites</translation>
    </message>
    <message>
        <source>the file cannot be created: %1</source>
        <translation>le fichier ne peut pas être créé : %1</translation>
    </message>
    <message>
        <source>the %1 file&apos;s header could not be written: %2</source>
        <translation>l’en-tête du fichier %1 n’a pas pu être écrit : %2</translation>
    </message>
    <message>
        <source>no video is open for writing</source>
        <translation>aucune vidéo n’est ouverte en écriture</translation>
    </message>
    <message>
        <source>the frame is empty</source>
        <translation>l’image est vide</translation>
    </message>
    <message>
        <source>there is no memory for the frame</source>
        <translation>la mémoire est insuffisante pour l’image</translation>
    </message>
    <message>
        <source>there is no memory for the frame: %1</source>
        <translation>la mémoire est insuffisante pour l’image : %1</translation>
    </message>
    <message>
        <source>the frame cannot be converted for the %1 encoder</source>
        <translation>l’image ne peut pas être convertie pour l’encodeur %1</translation>
    </message>
    <message>
        <source>the frame cannot be converted for the %1 encoder: %2</source>
        <translation>l’image ne peut pas être convertie pour l’encodeur %1 : %2</translation>
    </message>
    <message>
        <source>this video has no soundtrack</source>
        <translation>cette vidéo n’a pas de piste son</translation>
    </message>
    <message>
        <source>stereo sound needs an even number of samples</source>
        <translation>le son stéréo demande un nombre pair d’échantillons</translation>
    </message>
    <message>
        <source>the end of the video file could not be written: %1</source>
        <translation>la fin du fichier vidéo n’a pas pu être écrite : %1</translation>
    </message>
    <message>
        <source>the video file could not be closed: %1</source>
        <translation>le fichier vidéo n’a pas pu être fermé : %1</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>ce n’est pas un fichier</translation>
    </message>
</context>
</TS>
