<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <extracomment>main_desc_last_upload</extracomment>
        <translation>Dernière sauvegarde : %1</translation>
    </message>
    <message>
        <source>Skip files and folders whose names begin with a dot</source>
        <extracomment>setting_filter_point_prefix</extracomment>
        <translation>Ignorer les fichiers et dossiers dont le nom commence par un point</translation>
    </message>
    <message>
        <source>Please check your user name and password.</source>
        <extracomment>msg_checkpass</extracomment>
        <translation>Veuillez vérifier votre nom d'utilisateur et votre mot de passe.</translation>
    </message>
    <message>
        <source>Skylet Backup</source>
        <extracomment>app_name</extracomment>
        <translation>Skylet Backup</translation>
    </message>
    <message>
        <source>The automatic connection ID is invalid.</source>
        <extracomment>err_autoconn_invalidid</extracomment>
        <translation>L'identifiant de connexion automatique n'est pas valide.</translation>
    </message>
    <message>
        <source>The selected backup folder is invalid. Please choose another folder.</source>
        <extracomment>wizard_invalid_sync_folder_warning</extracomment>
        <translation>Le dossier de sauvegarde sélectionné n'est pas valide. Veuillez choisir un autre dossier.</translation>
    </message>
    <message>
        <source>Enter the address of your backup server and your account details.</source>
        <extracomment>wizard_connection_desc</extracomment>
        <translation>Saisissez l'adresse de votre serveur de sauvegarde et les informations de votre compte.</translation>
    </message>
    <message>
        <source>User name:</source>
        <extracomment>connection_username</extracomment>
        <translation>Nom d'utilisateur :</translation>
    </message>
    <message>
        <source>The backup direction of this task does not match the server settings.</source>
        <extracomment>err_sync_direction_mismatch</extracomment>
        <translation>Le sens de sauvegarde de cette tâche ne correspond pas aux paramètres du serveur.</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <extracomment>connection_enter_otp</extracomment>
        <translation>Saisissez le code de vérification de votre application d'authentification :</translation>
    </message>
    <message>
        <source>The shared folder on the server has reached its quota.</source>
        <extracomment>msg_share_quotafull</extracomment>
        <translation>Le dossier partagé sur le serveur a atteint son quota.</translation>
    </message>
    <message>
        <source>The server certificate could not be verified.</source>
        <extracomment>err_ssl_verify_fail, wizard_ssl_verify_fail_sync_folder_warning</extracomment>
        <translation>Le certificat du serveur n'a pas pu être vérifié.</translation>
    </message>
    <message>
        <source>Connection</source>
        <extracomment>setting_tab_connection</extracomment>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Proxy</source>
        <extracomment>btn_proxy, setting_tab_proxy</extracomment>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Done</source>
        <extracomment>btn_done</extracomment>
        <translation>Terminer</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>tray_exit</extracomment>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Choose the local folders to back up and where to store them on the server.</source>
        <extracomment>backup_chooser_desc</extracomment>
        <translation>Choisissez les dossiers locaux à sauvegarder et leur emplacement sur le serveur.</translation>
    </message>
    <message>
        <source>Completed</source>
        <extracomment>main_queue_completed, msg_download_done</extracomment>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>The backup task on the server has been changed by another computer.</source>
        <extracomment>err_hb_change</extracomment>
        <translation>La tâche de sauvegarde sur le serveur a été modifiée par un autre ordinateur.</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <extracomment>err_local_sync_folder_miss</extracomment>
        <translation>Le dossier de sauvegarde local est introuvable.</translation>
    </message>
    <message>
        <source>Server address:</source>
        <extracomment>connection_server</extracomment>
        <translation>Adresse du serveur :</translation>
    </message>
    <message>
        <source>Need help? The online help explains every step of the setup.</source>
        <extracomment>wizard_welcome_help</extracomment>
        <translation>Besoin d'aide ? L'aide en ligne décrit chaque étape de la configuration.</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>btn_wizard_readonly_yes, btn_ok</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>The local database is damaged or cannot be opened.</source>
        <extracomment>err_database</extracomment>
        <translation>La base de données locale est endommagée ou ne peut pas être ouverte.</translation>
    </message>
    <message>
        <source>Your files, safely backed up.</source>
        <extracomment>wizard_welcome_slogan</extracomment>
        <translation>Vos fichiers, sauvegardés en toute sécurité.</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <extracomment>setting_option_use_black_white_icon</extracomment>
        <translation>Utiliser une icône monochrome dans la zone de notification</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted.</source>
        <extracomment>err_share_not_mounted</extracomment>
        <translation>Le dossier partagé sur le serveur n'est pas monté.</translation>
    </message>
    <message>
        <source>Progress</source>
        <extracomment>main_queue_column_progress</extracomment>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Open Skylet Backup</source>
        <extracomment>tray_main_app</extracomment>
        <translation>Ouvrir Skylet Backup</translation>
    </message>
    <message>
        <source>The server sent a response that could not be understood.</source>
        <extracomment>err_proto</extracomment>
        <translation>Le serveur a envoyé une réponse incompréhensible.</translation>
    </message>
    <message>
        <source>The backup folder is on a volume that is not mounted.</source>
        <extracomment>err_syncfolder_not_mounted</extracomment>
        <translation>Le dossier de sauvegarde se trouve sur un volume qui n'est pas monté.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <extracomment>btn_unlink</extracomment>
        <translation>Dissocier</translation>
    </message>
    <message>
        <source>There is not enough free space on the local disk.</source>
        <extracomment>err_diskfull</extracomment>
        <translation>L'espace libre sur le disque local est insuffisant.</translation>
    </message>
    <message>
        <source>The home folder service is disabled for your account on the server.</source>
        <extracomment>err_user_home_disabled</extracomment>
        <translation>Le service de dossier personnel est désactivé pour votre compte sur le serveur.</translation>
    </message>
    <message>
        <source>Backup is up to date</source>
        <extracomment>main_status_uptodate</extracomment>
        <translation>La sauvegarde est à jour</translation>
    </message>
    <message>
        <source>There is not enough free space for the selected folder.</source>
        <extracomment>wizard_diskfull_sync_folder_warning</extracomment>
        <translation>L'espace libre est insuffisant pour le dossier sélectionné.</translation>
    </message>
    <message>
        <source>Skylet Backup keeps a copy of your files on your own server.</source>
        <extracomment>msg_about</extracomment>
        <translation>Skylet Backup conserve une copie de vos fichiers sur votre propre serveur.</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <extracomment>err_backup_fail</extracomment>
        <translation>La sauvegarde a échoué.</translation>
    </message>
    <message>
        <source>Path</source>
        <extracomment>wizard_summary_table_path</extracomment>
        <translation>Chemin</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <extracomment>setting_proxy_manual</extracomment>
        <translation>Configuration manuelle du proxy</translation>
    </message>
    <message>
        <source>Destination</source>
        <extracomment>wizard_summary_table_remote_title, backup_chooser_destination</extracomment>
        <translation>Destination</translation>
    </message>
    <message>
        <source>A verification code is required to sign in.</source>
        <extracomment>err_otp_required</extracomment>
        <translation>Un code de vérification est requis pour vous connecter.</translation>
    </message>
    <message>
        <source>Unlink this computer from the server? Backups already stored stay on the server.</source>
        <extracomment>connection_unlink_confirm</extracomment>
        <translation>Dissocier cet ordinateur du serveur ? Les sauvegardes déjà stockées restent sur le serveur.</translation>
    </message>
    <message>
        <source>Resume</source>
        <extracomment>btn_resume</extracomment>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Password:</source>
        <extracomment>setting_proxy_password, connection_password</extracomment>
        <translation>Mot de passe :</translation>
    </message>
    <message>
        <source>Skylet Backup is initializing...</source>
        <extracomment>desc_skyl_env_preparing</extracomment>
        <translation>Skylet Backup est en cours d'initialisation...</translation>
    </message>
    <message>
        <source>No folder is selected. Please choose at least one folder to back up.</source>
        <extracomment>backup_chooser_no_folder_selected</extracomment>
        <translation>Aucun dossier n'est sélectionné. Veuillez choisir au moins un dossier à sauvegarder.</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <extracomment>setting_proxy_sys_proxy</extracomment>
        <translation>Utiliser les paramètres de proxy du système</translation>
    </message>
    <message>
        <source>Not now</source>
        <extracomment>btn_wizard_readonly_no</extracomment>
        <translation>Pas maintenant</translation>
    </message>
    <message>
        <source>Local folders</source>
        <extracomment>setting_tab_folder, wizard_summary_table_local_title</extracomment>
        <translation>Dossiers locaux</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>main_queue_column_file</extracomment>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Please enter a user name for the proxy server.</source>
        <extracomment>setting_proxy_err_empty_username</extracomment>
        <translation>Veuillez saisir un nom d'utilisateur pour le serveur proxy.</translation>
    </message>
    <message>
        <source>Filter</source>
        <extracomment>setting_tab_filter</extracomment>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>The certificate of the server has changed since the last connection.</source>
        <extracomment>msg_ssl_change</extracomment>
        <translation>Le certificat du serveur a changé depuis la dernière connexion.</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <extracomment>connection_unlinking</extracomment>
        <translation>Dissociation en cours...</translation>
    </message>
    <message>
        <source>Use a secure connection (SSL)</source>
        <extracomment>connection_ssl</extracomment>
        <translation>Utiliser une connexion sécurisée (SSL)</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <extracomment>version</extracomment>
        <translation>Version : %1</translation>
    </message>
    <message>
        <source>Transfer queue</source>
        <extracomment>main_queue_title</extracomment>
        <translation>File d'attente des transferts</translation>
    </message>
    <message>
        <source>Pause</source>
        <extracomment>btn_pause</extracomment>
        <translation>Suspendre</translation>
    </message>
    <message>
        <source>The source folder is read-only. Its files can be backed up but not restored into it.</source>
        <extracomment>wizard_source_readonly_warning</extracomment>
        <translation>Le dossier source est en lecture seule. Ses fichiers peuvent être sauvegardés, mais pas restaurés dans ce dossier.</translation>
    </message>
    <message>
        <source>This folder is read-only.</source>
        <extracomment>read_only_tooltip</extracomment>
        <translation>Ce dossier est en lecture seule.</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>msg_error</extracomment>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Backup paused</source>
        <extracomment>main_status_pause</extracomment>
        <translation>Sauvegarde suspendue</translation>
    </message>
    <message>
        <source>Upgrade Skylet Backup</source>
        <extracomment>tray_upgrade, wizard_client_upgrade</extracomment>
        <translation>Mettre à niveau Skylet Backup</translation>
    </message>
    <message>
        <source>The new language takes effect after Skylet Backup restarts.</source>
        <extracomment>setting_option_language_restart</extracomment>
        <translation>La nouvelle langue sera appliquée au redémarrage de Skylet Backup.</translation>
    </message>
    <message>
        <source>The proxy port must be a number from 1 to 65535.</source>
        <extracomment>setting_proxy_err_invalid_port</extracomment>
        <translation>Le port du proxy doit être un nombre compris entre 1 et 65535.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <extracomment>main_queue_uploading</extracomment>
        <translation>Envoi en cours</translation>
    </message>
    <message>
        <source>The server certificate has changed. Make sure that you are connecting to the right server.</source>
        <extracomment>wizard_ssl_change_sync_folder_warning, err_ssl_change</extracomment>
        <translation>Le certificat du serveur a changé. Assurez-vous de vous connecter au bon serveur.</translation>
    </message>
    <message>
        <source>The server does not accept connections from this IP address.</source>
        <extracomment>err_ip_not_allowed</extracomment>
        <translation>Le serveur n'accepte pas les connexions provenant de cette adresse IP.</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <extracomment>msg_test_connect</extracomment>
        <translation>Test de la connexion...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <extracomment>msg_ssl_error</extracomment>
        <translation>Impossible d'établir une connexion sécurisée avec le serveur.</translation>
    </message>
    <message>
        <source>Not needed</source>
        <extracomment>btn_no_need</extracomment>
        <translation>Non requis</translation>
    </message>
    <message>
        <source>Port:</source>
        <extracomment>setting_proxy_port</extracomment>
        <translation>Port :</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <extracomment>wizard_connection_title</extracomment>
        <translation>Connexion à votre serveur</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <extracomment>err_otp_invalid</extracomment>
        <translation>Le code de vérification est incorrect.</translation>
    </message>
    <message>
        <source>Select</source>
        <extracomment>btn_select</extracomment>
        <translation>Sélectionner</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <extracomment>wizard_share_name_duplicate_warning</extracomment>
        <translation>Un dossier partagé portant ce nom existe déjà.</translation>
    </message>
    <message>
        <source>This wizard helps you set up the backup of your computer.</source>
        <extracomment>wizard_welcome_info</extracomment>
        <translation>Cet assistant vous aide à configurer la sauvegarde de votre ordinateur.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <extracomment>main_status_connecting</extracomment>
        <translation>Connexion en cours...</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <extracomment>share_enabled</extracomment>
        <translation>Partage activé</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>tray_about</extracomment>
        <translation>À propos</translation>
    </message>
    <message>
        <source>You do not have permission to access the selected folder.</source>
        <extracomment>wizard_access_deny_sync_folder_warning</extracomment>
        <translation>Vous n'avez pas l'autorisation d'accéder au dossier sélectionné.</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <extracomment>err_quotafull</extracomment>
        <translation>Votre quota de stockage sur le serveur est atteint.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <extracomment>setting_filter_table_editor_tooltip</extracomment>
        <translation>Double-cliquez pour modifier l'extension de fichier.</translation>
    </message>
    <message>
        <source>Continue</source>
        <extracomment>btn_continue</extracomment>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <extracomment>setting_filter_max_size</extracomment>
        <translation>Taille maximale des fichiers (Mo) :</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <extracomment>main_status_syncing</extracomment>
        <translation>Sauvegarde en cours...</translation>
    </message>
    <message>
        <source>The selected folder is larger than the quota left on the server.</source>
        <extracomment>wizard_quotafull_sync_folder_warning</extracomment>
        <translation>Le dossier sélectionné dépasse le quota restant sur le serveur.</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <extracomment>err_max_tries</extracomment>
        <translation>Trop de tentatives infructueuses. Veuillez réessayer plus tard.</translation>
    </message>
    <message>
        <source>Enter 0 to back up files of any size.</source>
        <extracomment>setting_filter_zero_desc</extracomment>
        <translation>Saisissez 0 pour sauvegarder les fichiers de toute taille.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <extracomment>err_abnormal</extracomment>
        <translation>Une erreur inattendue s'est produite.</translation>
    </message>
    <message>
        <source>Skylet Backup could not be initialized.</source>
        <extracomment>err_init_failed</extracomment>
        <translation>Impossible d'initialiser Skylet Backup.</translation>
    </message>
    <message>
        <source>The backup task on the server does not belong to this computer.</source>
        <extracomment>err_hb_not_match</extracomment>
        <translation>La tâche de sauvegarde sur le serveur n'appartient pas à cet ordinateur.</translation>
    </message>
    <message>
        <source>Choose a folder on the server:</source>
        <extracomment>treedialog_server_desc</extracomment>
        <translation>Choisissez un dossier sur le serveur :</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <extracomment>msg_test_username_fail</extracomment>
        <translation>Le nom d'utilisateur ou le mot de passe est incorrect.</translation>
    </message>
    <message>
        <source>Language:</source>
        <extracomment>setting_option_language_title</extracomment>
        <translation>Langue :</translation>
    </message>
    <message>
        <source>System default</source>
        <extracomment>setting_option_language_default</extracomment>
        <translation>Valeur par défaut du système</translation>
    </message>
    <message>
        <source>Connect anyway</source>
        <extracomment>btn_ssl_continue</extracomment>
        <translation>Se connecter quand même</translation>
    </message>
    <message>
        <source>Choose the folder on this computer that you want to back up.</source>
        <extracomment>wizard_setsyncfolder_desc</extracomment>
        <translation>Choisissez le dossier de cet ordinateur que vous souhaitez sauvegarder.</translation>
    </message>
    <message>
        <source>The server requires two-step verification for your account. Please turn it on first.</source>
        <extracomment>err_otp_enforced</extracomment>
        <translation>Le serveur exige la vérification en deux étapes pour votre compte. Veuillez d'abord l'activer.</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>btn_next</extracomment>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>btn_apply</extracomment>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <extracomment>setting_proxy_err_ipport_empty</extracomment>
        <translation>Veuillez saisir l'adresse et le port du proxy.</translation>
    </message>
    <message>
        <source>Your account is disabled on the server.</source>
        <extracomment>wizard_user_disable_sync_folder_warning</extracomment>
        <translation>Votre compte est désactivé sur le serveur.</translation>
    </message>
    <message>
        <source>This folder is already backed up by another task.</source>
        <extracomment>wizard_conflict_backup_warning</extracomment>
        <translation>Ce dossier est déjà sauvegardé par une autre tâche.</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <extracomment>err_no_valid_folder</extracomment>
        <translation>Aucun dossier valide à sauvegarder.</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked</source>
        <extracomment>main_queue_locking</extracomment>
        <translation>En attente du déverrouillage du fichier</translation>
    </message>
    <message>
        <source>No proxy</source>
        <extracomment>setting_proxy_no_proxy</extracomment>
        <translation>Aucun proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>tray_help</extracomment>
        <translation>Aide</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server.</source>
        <extracomment>err_version_server</extracomment>
        <translation>La version du serveur n'est pas prise en charge. Veuillez mettre à jour le serveur.</translation>
    </message>
    <message>
        <source>Choose a folder on this computer</source>
        <extracomment>treedialog_pc_title</extracomment>
        <translation>Choisir un dossier sur cet ordinateur</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <extracomment>setting_filter_size_limit_tooltip</extracomment>
        <translation>Les fichiers dépassant cette taille ne sont pas sauvegardés.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted locally</source>
        <extracomment>setting_filter_ignore_local_delete</extracomment>
        <translation>Conserver les fichiers sur le serveur lorsqu'ils sont supprimés localement</translation>
    </message>
    <message>
        <source>The network is unavailable. Please check your connection.</source>
        <extracomment>err_network, wizard_network_err_sync_folder_warning</extracomment>
        <translation>Le réseau n'est pas disponible. Veuillez vérifier votre connexion.</translation>
    </message>
    <message>
        <source>Status</source>
        <extracomment>main_queue_column_status</extracomment>
        <translation>État</translation>
    </message>
    <message>
        <source>Choose source folders</source>
        <extracomment>backup_chooser_choose_source</extracomment>
        <translation>Choisir les dossiers sources</translation>
    </message>
    <message>
        <source>Read-only folders are backed up, but files cannot be restored into them.</source>
        <extracomment>wizard_readonly_backup_desc</extracomment>
        <translation>Les dossiers en lecture seule sont sauvegardés, mais les fichiers ne peuvent pas y être restaurés.</translation>
    </message>
    <message>
        <source>Address:</source>
        <extracomment>setting_proxy_ip</extracomment>
        <translation>Adresse :</translation>
    </message>
    <message>
        <source>Security warning</source>
        <extracomment>title_ssl_warning</extracomment>
        <translation>Avertissement de sécurité</translation>
    </message>
    <message>
        <source>Waiting</source>
        <extracomment>main_queue_waiting</extracomment>
        <translation>En attente</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <extracomment>msg_download_downloading</extracomment>
        <translation>Téléchargement de la mise à jour...</translation>
    </message>
    <message>
        <source>Welcome to Skylet Backup</source>
        <extracomment>wizard_welcome_desc</extracomment>
        <translation>Bienvenue dans Skylet Backup</translation>
    </message>
    <message>
        <source>Proxy user name:</source>
        <extracomment>setting_proxy_username</extracomment>
        <translation>Nom d'utilisateur du proxy :</translation>
    </message>
    <message>
        <source>Connect through the FarLink relay</source>
        <extracomment>connection_use_farlink</extracomment>
        <translation>Se connecter via le relais FarLink</translation>
    </message>
    <message>
        <source>Account</source>
        <extracomment>wizard_summary_table_account</extracomment>
        <translation>Compte</translation>
    </message>
    <message>
        <source>The request could not be processed.</source>
        <extracomment>wizard_system_err_sync_folder_warning, err_invalid</extracomment>
        <translation>La requête n'a pas pu être traitée.</translation>
    </message>
    <message>
        <source>The shared folder does not exist on the server.</source>
        <extracomment>wizard_share_nonexist_sync_folder_warning</extracomment>
        <translation>Le dossier partagé n'existe pas sur le serveur.</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <extracomment>wizard_client_upgrade_failed</extracomment>
        <translation>Échec de la mise à niveau de %1 (code d'erreur : %2).</translation>
    </message>
    <message>
        <source>Summary</source>
        <extracomment>wizard_summary_title</extracomment>
        <translation>Récapitulatif</translation>
    </message>
    <message>
        <source>Preparing</source>
        <extracomment>main_queue_preparing</extracomment>
        <translation>Préparation</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>setting_tab_option</extracomment>
        <translation>Options</translation>
    </message>
    <message>
        <source>The selected folder on the server is read-only.</source>
        <extracomment>wizard_readonly_sync_folder_warning</extracomment>
        <translation>Le dossier sélectionné sur le serveur est en lecture seule.</translation>
    </message>
    <message>
        <source>Backup stopped with errors</source>
        <extracomment>main_status_error</extracomment>
        <translation>Sauvegarde interrompue avec des erreurs</translation>
    </message>
    <message>
        <source>Click here to update Skylet Backup.</source>
        <extracomment>tray_click_to_update</extracomment>
        <translation>Cliquez ici pour mettre à jour Skylet Backup.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <extracomment>read_only</extracomment>
        <translation>Lecture seule</translation>
    </message>
    <message>
        <source>The server administrator does not allow automatic connections.</source>
        <extracomment>err_autoconn_ctrl</extracomment>
        <translation>L'administrateur du serveur n'autorise pas les connexions automatiques.</translation>
    </message>
    <message>
        <source>The selected folder overlaps a folder that is already backed up.</source>
        <extracomment>wizard_conflict_sync_folder_warning</extracomment>
        <translation>Le dossier sélectionné chevauche un dossier déjà sauvegardé.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <extracomment>btn_advanced</extracomment>
        <translation>Avancé</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <extracomment>main_desc_processing_count</extracomment>
        <translation>Traitement de %1 fichier(s)...</translation>
    </message>
    <message>
        <source>Excluded paths</source>
        <extracomment>wizard_summary_table_except_path</extracomment>
        <translation>Chemins exclus</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder.</source>
        <extracomment>err_share_perm</extracomment>
        <translation>Vous n'avez pas l'autorisation d'écrire dans le dossier partagé.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <extracomment>setting_filter_table_desc</extracomment>
        <translation>Les fichiers portant ces extensions ne sont pas sauvegardés :</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <extracomment>err_auth</extracomment>
        <translation>Échec de l'authentification.</translation>
    </message>
    <message>
        <source>Settings</source>
        <extracomment>btn_settings</extracomment>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>The upgrade failed.</source>
        <extracomment>upgrade_failed</extracomment>
        <translation>La mise à niveau a échoué.</translation>
    </message>
    <message>
        <source>Searching for earlier backups on this computer...</source>
        <extracomment>local_hb_search</extracomment>
        <translation>Recherche de sauvegardes antérieures sur cet ordinateur...</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>btn_back</extracomment>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <extracomment>main_queue_progress</extracomment>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <extracomment>btn_start_now</extracomment>
        <translation>Démarrer maintenant</translation>
    </message>
    <message>
        <source>Backing up %1</source>
        <extracomment>main_desc_processing_file</extracomment>
        <translation>Sauvegarde de %1</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <extracomment>setting_proxy_auth</extracomment>
        <translation>Le serveur proxy exige une authentification</translation>
    </message>
    <message>
        <source>Server</source>
        <extracomment>wizard_summary_table_server</extracomment>
        <translation>Serveur</translation>
    </message>
    <message>
        <source>Choose the folder to back up</source>
        <extracomment>wizard_setsyncfolder_title</extracomment>
        <translation>Choisir le dossier à sauvegarder</translation>
    </message>
    <message>
        <source>A session with the server could not be created.</source>
        <extracomment>err_create_session_fail</extracomment>
        <translation>Impossible de créer une session avec le serveur.</translation>
    </message>
    <message>
        <source>Skylet Backup is ready.</source>
        <extracomment>desc_skyl_env_preparation_done</extracomment>
        <translation>Skylet Backup est prêt.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>btn_cancel</extracomment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>This version of Skylet Backup is no longer supported. Please upgrade.</source>
        <extracomment>err_version_client</extracomment>
        <translation>Cette version de Skylet Backup n'est plus prise en charge. Veuillez effectuer la mise à niveau.</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <extracomment>setting_filter_table_title</extracomment>
        <translation>Extensions de fichier exclues</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <extracomment>manage_setting_applying</extracomment>
        <translation>Application des paramètres...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <extracomment>tray_updating</extracomment>
        <translation>Mise à jour en cours...</translation>
    </message>
    <message>
        <source>Look for a backup made earlier on this computer</source>
        <extracomment>wizard_find_local_hb_tooltip</extracomment>
        <translation>Rechercher une sauvegarde effectuée auparavant sur cet ordinateur</translation>
    </message>
    <message>
        <source>Start Skylet Backup when I log in</source>
        <extracomment>setting_option_start_upon_login</extracomment>
        <translation>Démarrer Skylet Backup à l'ouverture de session</translation>
    </message>
    <message>
        <source>Check the settings below, then click Done to start the backup.</source>
        <extracomment>wizard_summary_desc</extracomment>
        <translation>Vérifiez les paramètres ci-dessous, puis cliquez sur Terminer pour lancer la sauvegarde.</translation>
    </message>
</context>
</TS>
