<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <translation>Dernière sauvegarde : %1</translation>
    </message>
    <message>
        <source>Skip files and folders whose names begin with a dot</source>
        <translation>Ignorer les fichiers et dossiers dont le nom commence par un point</translation>
    </message>
    <message>
        <source>Please check your user name and password.</source>
        <translation>Veuillez vérifier votre nom d'utilisateur et votre mot de passe.</translation>
    </message>
    <message>
        <source>Skylet Backup</source>
        <translation>Skylet Backup</translation>
    </message>
    <message>
        <source>The automatic connection ID is invalid.</source>
        <translation>L'identifiant de connexion automatique n'est pas valide.</translation>
    </message>
    <message>
        <source>The selected backup folder is invalid. Please choose another folder.</source>
        <translation>Le dossier de sauvegarde sélectionné n'est pas valide. Veuillez choisir un autre dossier.</translation>
    </message>
    <message>
        <source>Enter the address of your backup server and your account details.</source>
        <translation>Saisissez l'adresse de votre serveur de sauvegarde et les informations de votre compte.</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Nom d'utilisateur :</translation>
    </message>
    <message>
        <source>The backup direction of this task does not match the server settings.</source>
        <translation>Le sens de sauvegarde de cette tâche ne correspond pas aux paramètres du serveur.</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <translation>Saisissez le code de vérification de votre application d'authentification :</translation>
    </message>
    <message>
        <source>The shared folder on the server has reached its quota.</source>
        <translation>Le dossier partagé sur le serveur a atteint son quota.</translation>
    </message>
    <message>
        <source>The server certificate could not be verified.</source>
        <translation>Le certificat du serveur n'a pas pu être vérifié.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminer</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Choose the local folders to back up and where to store them on the server.</source>
        <translation>Choisissez les dossiers locaux à sauvegarder et leur emplacement sur le serveur.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>The backup task on the server has been changed by another computer.</source>
        <translation>La tâche de sauvegarde sur le serveur a été modifiée par un autre ordinateur.</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <translation>Le dossier de sauvegarde local est introuvable.</translation>
    </message>
    <message>
        <source>Server address:</source>
        <translation>Adresse du serveur :</translation>
    </message>
    <message>
        <source>Need help? The online help explains every step of the setup.</source>
        <translation>Besoin d'aide ? L'aide en ligne décrit chaque étape de la configuration.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The local database is damaged or cannot be opened.</source>
        <translation>La base de données locale est endommagée ou ne peut pas être ouverte.</translation>
    </message>
    <message>
        <source>Your files, safely backed up.</source>
        <translation>Vos fichiers, sauvegardés en toute sécurité.</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Utiliser une icône monochrome dans la zone de notification</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted.</source>
        <translation>Le dossier partagé sur le serveur n'est pas monté.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Open Skylet Backup</source>
        <translation>Ouvrir Skylet Backup</translation>
    </message>
    <message>
        <source>The server sent a response that could not be understood.</source>
        <translation>Le serveur a envoyé une réponse incompréhensible.</translation>
    </message>
    <message>
        <source>The backup folder is on a volume that is not mounted.</source>
        <translation>Le dossier de sauvegarde se trouve sur un volume qui n'est pas monté.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Dissocier</translation>
    </message>
    <message>
        <source>There is not enough free space on the local disk.</source>
        <translation>L'espace libre sur le disque local est insuffisant.</translation>
    </message>
    <message>
        <source>The home folder service is disabled for your account on the server.</source>
        <translation>Le service de dossier personnel est désactivé pour votre compte sur le serveur.</translation>
    </message>
    <message>
        <source>Backup is up to date</source>
        <translation>La sauvegarde est à jour</translation>
    </message>
    <message>
        <source>There is not enough free space for the selected folder.</source>
        <translation>L'espace libre est insuffisant pour le dossier sélectionné.</translation>
    </message>
    <message>
        <source>Skylet Backup keeps a copy of your files on your own server.</source>
        <translation>Skylet Backup conserve une copie de vos fichiers sur votre propre serveur.</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <translation>La sauvegarde a échoué.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Chemin</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Configuration manuelle du proxy</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>A verification code is required to sign in.</source>
        <translation>Un code de vérification est requis pour vous connecter.</translation>
    </message>
    <message>
        <source>Unlink this computer from the server? Backups already stored stay on the server.</source>
        <translation>Dissocier cet ordinateur du serveur ? Les sauvegardes déjà stockées restent sur le serveur.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe :</translation>
    </message>
    <message>
        <source>Skylet Backup is initializing...</source>
        <translation>Skylet Backup est en cours d'initialisation...</translation>
    </message>
    <message>
        <source>No folder is selected. Please choose at least one folder to back up.</source>
        <translation>Aucun dossier n'est sélectionné. Veuillez choisir au moins un dossier à sauvegarder.</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>Utiliser les paramètres de proxy du système</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Pas maintenant</translation>
    </message>
    <message>
        <source>Local folders</source>
        <translation>Dossiers locaux</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Please enter a user name for the proxy server.</source>
        <translation>Veuillez saisir un nom d'utilisateur pour le serveur proxy.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>The certificate of the server has changed since the last connection.</source>
        <translation>Le certificat du serveur a changé depuis la dernière connexion.</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Dissociation en cours...</translation>
    </message>
    <message>
        <source>Use a secure connection (SSL)</source>
        <translation>Utiliser une connexion sécurisée (SSL)</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Version : %1</translation>
    </message>
    <message>
        <source>Transfer queue</source>
        <translation>File d'attente des transferts</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Suspendre</translation>
    </message>
    <message>
        <source>The source folder is read-only. Its files can be backed up but not restored into it.</source>
        <translation>Le dossier source est en lecture seule. Ses fichiers peuvent être sauvegardés, mais pas restaurés dans ce dossier.</translation>
    </message>
    <message>
        <source>This folder is read-only.</source>
        <translation>Ce dossier est en lecture seule.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Backup paused</source>
        <translation>Sauvegarde suspendue</translation>
    </message>
    <message>
        <source>Upgrade Skylet Backup</source>
        <translation>Mettre à niveau Skylet Backup</translation>
    </message>
    <message>
        <source>The new language takes effect after Skylet Backup restarts.</source>
        <translation>La nouvelle langue sera appliquée au redémarrage de Skylet Backup.</translation>
    </message>
    <message>
        <source>The proxy port must be a number from 1 to 65535.</source>
        <translation>Le port du proxy doit être un nombre compris entre 1 et 65535.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Envoi en cours</translation>
    </message>
    <message>
        <source>The server certificate has changed. Make sure that you are connecting to the right server.</source>
        <translation>Le certificat du serveur a changé. Assurez-vous de vous connecter au bon serveur.</translation>
    </message>
    <message>
        <source>The server does not accept connections from this IP address.</source>
        <translation>Le serveur n'accepte pas les connexions provenant de cette adresse IP.</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Test de la connexion...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>Impossible d'établir une connexion sécurisée avec le serveur.</translation>
    </message>
    <message>
        <source>Not needed</source>
        <translation>Non requis</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port :</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <translation>Connexion à votre serveur</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>Le code de vérification est incorrect.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Sélectionner</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <translation>Un dossier partagé portant ce nom existe déjà.</translation>
    </message>
    <message>
        <source>This wizard helps you set up the backup of your computer.</source>
        <translation>Cet assistant vous aide à configurer la sauvegarde de votre ordinateur.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Connexion en cours...</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation>Partage activé</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>You do not have permission to access the selected folder.</source>
        <translation>Vous n'avez pas l'autorisation d'accéder au dossier sélectionné.</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <translation>Votre quota de stockage sur le serveur est atteint.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Double-cliquez pour modifier l'extension de fichier.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <translation>Taille maximale des fichiers (Mo) :</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Sauvegarde en cours...</translation>
    </message>
    <message>
        <source>The selected folder is larger than the quota left on the server.</source>
        <translation>Le dossier sélectionné dépasse le quota restant sur le serveur.</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <translation>Trop de tentatives infructueuses. Veuillez réessayer plus tard.</translation>
    </message>
    <message>
        <source>Enter 0 to back up files of any size.</source>
        <translation>Saisissez 0 pour sauvegarder les fichiers de toute taille.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Une erreur inattendue s'est produite.</translation>
    </message>
    <message>
        <source>Skylet Backup could not be initialized.</source>
        <translation>Impossible d'initialiser Skylet Backup.</translation>
    </message>
    <message>
        <source>The backup task on the server does not belong to this computer.</source>
        <translation>La tâche de sauvegarde sur le serveur n'appartient pas à cet ordinateur.</translation>
    </message>
    <message>
        <source>Choose a folder on the server:</source>
        <translation>Choisissez un dossier sur le serveur :</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <translation>Le nom d'utilisateur ou le mot de passe est incorrect.</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Langue :</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Valeur par défaut du système</translation>
    </message>
    <message>
        <source>Connect anyway</source>
        <translation>Se connecter quand même</translation>
    </message>
    <message>
        <source>Choose the folder on this computer that you want to back up.</source>
        <translation>Choisissez le dossier de cet ordinateur que vous souhaitez sauvegarder.</translation>
    </message>
    <message>
        <source>The server requires two-step verification for your account. Please turn it on first.</source>
        <translation>Le serveur exige la vérification en deux étapes pour votre compte. Veuillez d'abord l'activer.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Veuillez saisir l'adresse et le port du proxy.</translation>
    </message>
    <message>
        <source>Your account is disabled on the server.</source>
        <translation>Votre compte est désactivé sur le serveur.</translation>
    </message>
    <message>
        <source>This folder is already backed up by another task.</source>
        <translation>Ce dossier est déjà sauvegardé par une autre tâche.</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <translation>Aucun dossier valide à sauvegarder.</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked</source>
        <translation>En attente du déverrouillage du fichier</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Aucun proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server.</source>
        <translation>La version du serveur n'est pas prise en charge. Veuillez mettre à jour le serveur.</translation>
    </message>
    <message>
        <source>Choose a folder on this computer</source>
        <translation>Choisir un dossier sur cet ordinateur</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <translation>Les fichiers dépassant cette taille ne sont pas sauvegardés.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted locally</source>
        <translation>Conserver les fichiers sur le serveur lorsqu'ils sont supprimés localement</translation>
    </message>
    <message>
        <source>The network is unavailable. Please check your connection.</source>
        <translation>Le réseau n'est pas disponible. Veuillez vérifier votre connexion.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Choose source folders</source>
        <translation>Choisir les dossiers sources</translation>
    </message>
    <message>
        <source>Read-only folders are backed up, but files cannot be restored into them.</source>
        <translation>Les dossiers en lecture seule sont sauvegardés, mais les fichiers ne peuvent pas y être restaurés.</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse :</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Avertissement de sécurité</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>En attente</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>Téléchargement de la mise à jour...</translation>
    </message>
    <message>
        <source>Welcome to Skylet Backup</source>
        <translation>Bienvenue dans Skylet Backup</translation>
    </message>
    <message>
        <source>Proxy user name:</source>
        <translation>Nom d'utilisateur du proxy :</translation>
    </message>
    <message>
        <source>Connect through the FarLink relay</source>
        <translation>Se connecter via le relais FarLink</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>The request could not be processed.</source>
        <translation>La requête n'a pas pu être traitée.</translation>
    </message>
    <message>
        <source>The shared folder does not exist on the server.</source>
        <translation>Le dossier partagé n'existe pas sur le serveur.</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <translation>Échec de la mise à niveau de %1 (code d'erreur : %2).</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Récapitulatif</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Préparation</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>The selected folder on the server is read-only.</source>
        <translation>Le dossier sélectionné sur le serveur est en lecture seule.</translation>
    </message>
    <message>
        <source>Backup stopped with errors</source>
        <translation>Sauvegarde interrompue avec des erreurs</translation>
    </message>
    <message>
        <source>Click here to update Skylet Backup.</source>
        <translation>Cliquez ici pour mettre à jour Skylet Backup.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Lecture seule</translation>
    </message>
    <message>
        <source>The server administrator does not allow automatic connections.</source>
        <translation>L'administrateur du serveur n'autorise pas les connexions automatiques.</translation>
    </message>
    <message>
        <source>The selected folder overlaps a folder that is already backed up.</source>
        <translation>Le dossier sélectionné chevauche un dossier déjà sauvegardé.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancé</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <translation>Traitement de %1 fichier(s)...</translation>
    </message>
    <message>
        <source>Excluded paths</source>
        <translation>Chemins exclus</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder.</source>
        <translation>Vous n'avez pas l'autorisation d'écrire dans le dossier partagé.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>Les fichiers portant ces extensions ne sont pas sauvegardés :</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <translation>Échec de l'authentification.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>The upgrade failed.</source>
        <translation>La mise à niveau a échoué.</translation>
    </message>
    <message>
        <source>Searching for earlier backups on this computer...</source>
        <translation>Recherche de sauvegardes antérieures sur cet ordinateur...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Démarrer maintenant</translation>
    </message>
    <message>
        <source>Backing up %1</source>
        <translation>Sauvegarde de %1</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>Le serveur proxy exige une authentification</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Serveur</translation>
    </message>
    <message>
        <source>Choose the folder to back up</source>
        <translation>Choisir le dossier à sauvegarder</translation>
    </message>
    <message>
        <source>A session with the server could not be created.</source>
        <translation>Impossible de créer une session avec le serveur.</translation>
    </message>
    <message>
        <source>Skylet Backup is ready.</source>
        <translation>Skylet Backup est prêt.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>This version of Skylet Backup is no longer supported. Please upgrade.</source>
        <translation>Cette version de Skylet Backup n'est plus prise en charge. Veuillez effectuer la mise à niveau.</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <translation>Extensions de fichier exclues</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Application des paramètres...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Mise à jour en cours...</translation>
    </message>
    <message>
        <source>Look for a backup made earlier on this computer</source>
        <translation>Rechercher une sauvegarde effectuée auparavant sur cet ordinateur</translation>
    </message>
    <message>
        <source>Start Skylet Backup when I log in</source>
        <translation>Démarrer Skylet Backup à l'ouverture de session</translation>
    </message>
    <message>
        <source>Check the settings below, then click Done to start the backup.</source>
        <translation>Vérifiez les paramètres ci-dessous, puis cliquez sur Terminer pour lancer la sauvegarde.</translation>
    </message>
</context>
</TS>
