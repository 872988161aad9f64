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
        <translation>Envoyer maintenant</translation>
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
        <translation>Supprimer</translation>
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
        <translation>La carte pour %1 attend le mot de passe du serveur de messagerie : saisissez-le dans les options de messagerie, puis choisissez de nouveau « Envoyer maintenant ».</translation>
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
</TS>
