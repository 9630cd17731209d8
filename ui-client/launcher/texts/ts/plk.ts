<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <extracomment>main_desc_last_upload</extracomment>
        <translation>Ostatnia kopia zapasowa: %1</translation>
    </message>
    <message>
        <source>Skip files and folders whose names begin with a dot</source>
        <extracomment>setting_filter_point_prefix</extracomment>
        <translation>Pomijaj pliki i foldery, których nazwy zaczynają się od kropki</translation>
    </message>
    <message>
        <source>Please check your user name and password.</source>
        <extracomment>msg_checkpass</extracomment>
        <translation>Sprawdź nazwę użytkownika i hasło.</translation>
    </message>
    <message>
        <source>Skylet Backup</source>
        <extracomment>app_name</extracomment>
        <translation>Skylet Backup</translation>
    </message>
    <message>
        <source>The automatic connection ID is invalid.</source>
        <extracomment>err_autoconn_invalidid</extracomment>
        <translation>Identyfikator połączenia automatycznego jest nieprawidłowy.</translation>
    </message>
    <message>
        <source>The selected backup folder is invalid. Please choose another folder.</source>
        <extracomment>wizard_invalid_sync_folder_warning</extracomment>
        <translation>Wybrany folder kopii zapasowej jest nieprawidłowy. Wybierz inny folder.</translation>
    </message>
    <message>
        <source>Enter the address of your backup server and your account details.</source>
        <extracomment>wizard_connection_desc</extracomment>
        <translation>Wprowadź adres serwera kopii zapasowych oraz dane swojego konta.</translation>
    </message>
    <message>
        <source>User name:</source>
        <extracomment>connection_username</extracomment>
        <translation>Nazwa użytkownika:</translation>
    </message>
    <message>
        <source>The backup direction of this task does not match the server settings.</source>
        <extracomment>err_sync_direction_mismatch</extracomment>
        <translation>Kierunek tworzenia kopii zapasowej w tym zadaniu nie jest zgodny z ustawieniami serwera.</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <extracomment>connection_enter_otp</extracomment>
        <translation>Wprowadź kod weryfikacyjny z aplikacji uwierzytelniającej:</translation>
    </message>
    <message>
        <source>The shared folder on the server has reached its quota.</source>
        <extracomment>msg_share_quotafull</extracomment>
        <translation>Folder udostępniony na serwerze osiągnął limit przydziału.</translation>
    </message>
    <message>
        <source>The server certificate could not be verified.</source>
        <extracomment>err_ssl_verify_fail, wizard_ssl_verify_fail_sync_folder_warning</extracomment>
        <translation>Nie można zweryfikować certyfikatu serwera.</translation>
    </message>
    <message>
        <source>Connection</source>
        <extracomment>setting_tab_connection</extracomment>
        <translation>Połączenie</translation>
    </message>
    <message>
        <source>Proxy</source>
        <extracomment>btn_proxy, setting_tab_proxy</extracomment>
        <translation>Serwer proxy</translation>
    </message>
    <message>
        <source>Done</source>
        <extracomment>btn_done</extracomment>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>tray_exit</extracomment>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Choose the local folders to back up and where to store them on the server.</source>
        <extracomment>backup_chooser_desc</extracomment>
        <translation>Wybierz foldery lokalne, których kopię zapasową chcesz utworzyć, oraz miejsce ich przechowywania na serwerze.</translation>
    </message>
    <message>
        <source>Completed</source>
        <extracomment>main_queue_completed, msg_download_done</extracomment>
        <translation>Ukończono</translation>
    </message>
    <message>
        <source>The backup task on the server has been changed by another computer.</source>
        <extracomment>err_hb_change</extracomment>
        <translation>Zadanie kopii zapasowej na serwerze zostało zmienione z innego komputera.</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <extracomment>err_local_sync_folder_miss</extracomment>
        <translation>Nie można odnaleźć lokalnego folderu kopii zapasowej.</translation>
    </message>
    <message>
        <source>Server address:</source>
        <extracomment>connection_server</extracomment>
        <translation>Adres serwera:</translation>
    </message>
    <message>
        <source>Need help? The online help explains every step of the setup.</source>
        <extracomment>wizard_welcome_help</extracomment>
        <translation>Potrzebujesz pomocy? Pomoc online objaśnia każdy krok konfiguracji.</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>btn_wizard_readonly_yes, btn_ok</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>The local database is damaged or cannot be opened.</source>
        <extracomment>err_database</extracomment>
        <translation>Lokalna baza danych jest uszkodzona lub nie można jej otworzyć.</translation>
    </message>
    <message>
        <source>Your files, safely backed up.</source>
        <extracomment>wizard_welcome_slogan</extracomment>
        <translation>Twoje pliki bezpieczne w kopii zapasowej.</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <extracomment>setting_option_use_black_white_icon</extracomment>
        <translation>Używaj monochromatycznej ikony w zasobniku systemowym</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted.</source>
        <extracomment>err_share_not_mounted</extracomment>
        <translation>Folder udostępniony na serwerze nie jest zamontowany.</translation>
    </message>
    <message>
        <source>Progress</source>
        <extracomment>main_queue_column_progress</extracomment>
        <translation>Postęp</translation>
    </message>
    <message>
        <source>Open Skylet Backup</source>
        <extracomment>tray_main_app</extracomment>
        <translation>Otwórz Skylet Backup</translation>
    </message>
    <message>
        <source>The server sent a response that could not be understood.</source>
        <extracomment>err_proto</extracomment>
        <translation>Serwer wysłał niezrozumiałą odpowiedź.</translation>
    </message>
    <message>
        <source>The backup folder is on a volume that is not mounted.</source>
        <extracomment>err_syncfolder_not_mounted</extracomment>
        <translation>Folder kopii zapasowej znajduje się na niezamontowanym woluminie.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <extracomment>btn_unlink</extracomment>
        <translation>Odłącz</translation>
    </message>
    <message>
        <source>There is not enough free space on the local disk.</source>
        <extracomment>err_diskfull</extracomment>
        <translation>Za mało wolnego miejsca na dysku lokalnym.</translation>
    </message>
    <message>
        <source>The home folder service is disabled for your account on the server.</source>
        <extracomment>err_user_home_disabled</extracomment>
        <translation>Usługa folderu domowego jest wyłączona dla tego konta na serwerze.</translation>
    </message>
    <message>
        <source>Backup is up to date</source>
        <extracomment>main_status_uptodate</extracomment>
        <translation>Kopia zapasowa jest aktualna</translation>
    </message>
    <message>
        <source>There is not enough free space for the selected folder.</source>
        <extracomment>wizard_diskfull_sync_folder_warning</extracomment>
        <translation>Za mało wolnego miejsca dla wybranego folderu.</translation>
    </message>
    <message>
        <source>Skylet Backup keeps a copy of your files on your own server.</source>
        <extracomment>msg_about</extracomment>
        <translation>Aplikacja Skylet Backup przechowuje kopię plików na Twoim własnym serwerze.</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <extracomment>err_backup_fail</extracomment>
        <translation>Tworzenie kopii zapasowej nie powiodło się.</translation>
    </message>
    <message>
        <source>Path</source>
        <extracomment>wizard_summary_table_path</extracomment>
        <translation>Ścieżka</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <extracomment>setting_proxy_manual</extracomment>
        <translation>Ręczna konfiguracja serwera proxy</translation>
    </message>
    <message>
        <source>Destination</source>
        <extracomment>wizard_summary_table_remote_title, backup_chooser_destination</extracomment>
        <translation>Miejsce docelowe</translation>
    </message>
    <message>
        <source>A verification code is required to sign in.</source>
        <extracomment>err_otp_required</extracomment>
        <translation>Do zalogowania wymagany jest kod weryfikacyjny.</translation>
    </message>
    <message>
        <source>Unlink this computer from the server? Backups already stored stay on the server.</source>
        <extracomment>connection_unlink_confirm</extracomment>
        <translation>Odłączyć ten komputer od serwera? Zapisane już kopie zapasowe pozostaną na serwerze.</translation>
    </message>
    <message>
        <source>Resume</source>
        <extracomment>btn_resume</extracomment>
        <translation>Wznów</translation>
    </message>
    <message>
        <source>Password:</source>
        <extracomment>setting_proxy_password, connection_password</extracomment>
        <translation>Hasło:</translation>
    </message>
    <message>
        <source>Skylet Backup is initializing...</source>
        <extracomment>desc_skyl_env_preparing</extracomment>
        <translation>Aplikacja Skylet Backup jest inicjowana...</translation>
    </message>
    <message>
        <source>No folder is selected. Please choose at least one folder to back up.</source>
        <extracomment>backup_chooser_no_folder_selected</extracomment>
        <translation>Nie wybrano folderu. Wybierz co najmniej jeden folder, którego kopię zapasową chcesz utworzyć.</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <extracomment>setting_proxy_sys_proxy</extracomment>
        <translation>Używaj systemowych ustawień serwera proxy</translation>
    </message>
    <message>
        <source>Not now</source>
        <extracomment>btn_wizard_readonly_no</extracomment>
        <translation>Nie teraz</translation>
    </message>
    <message>
        <source>Local folders</source>
        <extracomment>setting_tab_folder, wizard_summary_table_local_title</extracomment>
        <translation>Foldery lokalne</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>main_queue_column_file</extracomment>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Please enter a user name for the proxy server.</source>
        <extracomment>setting_proxy_err_empty_username</extracomment>
        <translation>Wprowadź nazwę użytkownika serwera proxy.</translation>
    </message>
    <message>
        <source>Filter</source>
        <extracomment>setting_tab_filter</extracomment>
        <translation>Filtr</translation>
    </message>
    <message>
        <source>The certificate of the server has changed since the last connection.</source>
        <extracomment>msg_ssl_change</extracomment>
        <translation>Certyfikat serwera zmienił się od ostatniego połączenia.</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <extracomment>connection_unlinking</extracomment>
        <translation>Odłączanie...</translation>
    </message>
    <message>
        <source>Use a secure connection (SSL)</source>
        <extracomment>connection_ssl</extracomment>
        <translation>Używaj bezpiecznego połączenia (SSL)</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <extracomment>version</extracomment>
        <translation>Wersja: %1</translation>
    </message>
    <message>
        <source>Transfer queue</source>
        <extracomment>main_queue_title</extracomment>
        <translation>Kolejka transferów</translation>
    </message>
    <message>
        <source>Pause</source>
        <extracomment>btn_pause</extracomment>
        <translation>Wstrzymaj</translation>
    </message>
    <message>
        <source>The source folder is read-only. Its files can be backed up but not restored into it.</source>
        <extracomment>wizard_source_readonly_warning</extracomment>
        <translation>Folder źródłowy jest tylko do odczytu. Można utworzyć kopię zapasową jego plików, ale nie można ich do niego przywrócić.</translation>
    </message>
    <message>
        <source>This folder is read-only.</source>
        <extracomment>read_only_tooltip</extracomment>
        <translation>Ten folder jest tylko do odczytu.</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>msg_error</extracomment>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Backup paused</source>
        <extracomment>main_status_pause</extracomment>
        <translation>Tworzenie kopii zapasowej wstrzymane</translation>
    </message>
    <message>
        <source>Upgrade Skylet Backup</source>
        <extracomment>tray_upgrade, wizard_client_upgrade</extracomment>
        <translation>Uaktualnij Skylet Backup</translation>
    </message>
    <message>
        <source>The new language takes effect after Skylet Backup restarts.</source>
        <extracomment>setting_option_language_restart</extracomment>
        <translation>Nowy język zostanie zastosowany po ponownym uruchomieniu aplikacji Skylet Backup.</translation>
    </message>
    <message>
        <source>The proxy port must be a number from 1 to 65535.</source>
        <extracomment>setting_proxy_err_invalid_port</extracomment>
        <translation>Port serwera proxy musi być liczbą z zakresu od 1 do 65535.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <extracomment>main_queue_uploading</extracomment>
        <translation>Wysyłanie</translation>
    </message>
    <message>
        <source>The server certificate has changed. Make sure that you are connecting to the right server.</source>
        <extracomment>wizard_ssl_change_sync_folder_warning, err_ssl_change</extracomment>
        <translation>Certyfikat serwera zmienił się. Upewnij się, że łączysz się z właściwym serwerem.</translation>
    </message>
    <message>
        <source>The server does not accept connections from this IP address.</source>
        <extracomment>err_ip_not_allowed</extracomment>
        <translation>Serwer nie akceptuje połączeń z tego adresu IP.</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <extracomment>msg_test_connect</extracomment>
        <translation>Testowanie połączenia...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <extracomment>msg_ssl_error</extracomment>
        <translation>Nie można nawiązać bezpiecznego połączenia z serwerem.</translation>
    </message>
    <message>
        <source>Not needed</source>
        <extracomment>btn_no_need</extracomment>
        <translation>Niewymagane</translation>
    </message>
    <message>
        <source>Port:</source>
        <extracomment>setting_proxy_port</extracomment>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <extracomment>wizard_connection_title</extracomment>
        <translation>Połącz się ze swoim serwerem</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <extracomment>err_otp_invalid</extracomment>
        <translation>Kod weryfikacyjny jest nieprawidłowy.</translation>
    </message>
    <message>
        <source>Select</source>
        <extracomment>btn_select</extracomment>
        <translation>Wybierz</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <extracomment>wizard_share_name_duplicate_warning</extracomment>
        <translation>Folder udostępniony o tej nazwie już istnieje.</translation>
    </message>
    <message>
        <source>This wizard helps you set up the backup of your computer.</source>
        <extracomment>wizard_welcome_info</extracomment>
        <translation>Ten kreator pomoże Ci skonfigurować tworzenie kopii zapasowej komputera.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <extracomment>main_status_connecting</extracomment>
        <translation>Łączenie...</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <extracomment>share_enabled</extracomment>
        <translation>Udostępnianie włączone</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>tray_about</extracomment>
        <translation>O programie</translation>
    </message>
    <message>
        <source>You do not have permission to access the selected folder.</source>
        <extracomment>wizard_access_deny_sync_folder_warning</extracomment>
        <translation>Nie masz uprawnień dostępu do wybranego folderu.</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <extracomment>err_quotafull</extracomment>
        <translation>Twój przydział miejsca na serwerze został wyczerpany.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <extracomment>setting_filter_table_editor_tooltip</extracomment>
        <translation>Kliknij dwukrotnie, aby edytować rozszerzenie pliku.</translation>
    </message>
    <message>
        <source>Continue</source>
        <extracomment>btn_continue</extracomment>
        <translation>Kontynuuj</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <extracomment>setting_filter_max_size</extracomment>
        <translation>Maksymalny rozmiar pliku (MB):</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <extracomment>main_status_syncing</extracomment>
        <translation>Tworzenie kopii zapasowej...</translation>
    </message>
    <message>
        <source>The selected folder is larger than the quota left on the server.</source>
        <extracomment>wizard_quotafull_sync_folder_warning</extracomment>
        <translation>Wybrany folder jest większy niż pozostały przydział na serwerze.</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <extracomment>err_max_tries</extracomment>
        <translation>Zbyt wiele nieudanych prób. Spróbuj ponownie później.</translation>
    </message>
    <message>
        <source>Enter 0 to back up files of any size.</source>
        <extracomment>setting_filter_zero_desc</extracomment>
        <translation>Wprowadź 0, aby tworzyć kopie zapasowe plików o dowolnym rozmiarze.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <extracomment>err_abnormal</extracomment>
        <translation>Wystąpił nieoczekiwany błąd.</translation>
    </message>
    <message>
        <source>Skylet Backup could not be initialized.</source>
        <extracomment>err_init_failed</extracomment>
        <translation>Nie można zainicjować aplikacji Skylet Backup.</translation>
    </message>
    <message>
        <source>The backup task on the server does not belong to this computer.</source>
        <extracomment>err_hb_not_match</extracomment>
        <translation>Zadanie kopii zapasowej na serwerze nie należy do tego komputera.</translation>
    </message>
    <message>
        <source>Choose a folder on the server:</source>
        <extracomment>treedialog_server_desc</extracomment>
        <translation>Wybierz folder na serwerze:</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <extracomment>msg_test_username_fail</extracomment>
        <translation>Nazwa użytkownika lub hasło jest nieprawidłowe.</translation>
    </message>
    <message>
        <source>Language:</source>
        <extracomment>setting_option_language_title</extracomment>
        <translation>Język:</translation>
    </message>
    <message>
        <source>System default</source>
        <extracomment>setting_option_language_default</extracomment>
        <translation>Domyślne ustawienie systemu</translation>
    </message>
    <message>
        <source>Connect anyway</source>
        <extracomment>btn_ssl_continue</extracomment>
        <translation>Połącz mimo to</translation>
    </message>
    <message>
        <source>Choose the folder on this computer that you want to back up.</source>
        <extracomment>wizard_setsyncfolder_desc</extracomment>
        <translation>Wybierz folder na tym komputerze, którego kopię zapasową chcesz utworzyć.</translation>
    </message>
    <message>
        <source>The server requires two-step verification for your account. Please turn it on first.</source>
        <extracomment>err_otp_enforced</extracomment>
        <translation>Serwer wymaga weryfikacji dwuetapowej dla Twojego konta. Najpierw ją włącz.</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>btn_next</extracomment>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>btn_apply</extracomment>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <extracomment>setting_proxy_err_ipport_empty</extracomment>
        <translation>Wprowadź adres i port serwera proxy.</translation>
    </message>
    <message>
        <source>Your account is disabled on the server.</source>
        <extracomment>wizard_user_disable_sync_folder_warning</extracomment>
        <translation>Twoje konto na serwerze jest wyłączone.</translation>
    </message>
    <message>
        <source>This folder is already backed up by another task.</source>
        <extracomment>wizard_conflict_backup_warning</extracomment>
        <translation>Kopia zapasowa tego folderu jest już tworzona przez inne zadanie.</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <extracomment>err_no_valid_folder</extracomment>
        <translation>Brak prawidłowego folderu, którego kopię zapasową można utworzyć.</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked</source>
        <extracomment>main_queue_locking</extracomment>
        <translation>Oczekiwanie na odblokowanie pliku</translation>
    </message>
    <message>
        <source>No proxy</source>
        <extracomment>setting_proxy_no_proxy</extracomment>
        <translation>Bez serwera proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>tray_help</extracomment>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server.</source>
        <extracomment>err_version_server</extracomment>
        <translation>Ta wersja serwera nie jest obsługiwana. Zaktualizuj serwer.</translation>
    </message>
    <message>
        <source>Choose a folder on this computer</source>
        <extracomment>treedialog_pc_title</extracomment>
        <translation>Wybierz folder na tym komputerze</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <extracomment>setting_filter_size_limit_tooltip</extracomment>
        <translation>Pliki większe niż ten rozmiar nie są uwzględniane w kopii zapasowej.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted locally</source>
        <extracomment>setting_filter_ignore_local_delete</extracomment>
        <translation>Zachowuj pliki na serwerze po ich usunięciu lokalnie</translation>
    </message>
    <message>
        <source>The network is unavailable. Please check your connection.</source>
        <extracomment>err_network, wizard_network_err_sync_folder_warning</extracomment>
        <translation>Sieć jest niedostępna. Sprawdź połączenie.</translation>
    </message>
    <message>
        <source>Status</source>
        <extracomment>main_queue_column_status</extracomment>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Choose source folders</source>
        <extracomment>backup_chooser_choose_source</extracomment>
        <translation>Wybierz foldery źródłowe</translation>
    </message>
    <message>
        <source>Read-only folders are backed up, but files cannot be restored into them.</source>
        <extracomment>wizard_readonly_backup_desc</extracomment>
        <translation>Foldery tylko do odczytu są uwzględniane w kopii zapasowej, ale nie można do nich przywracać plików.</translation>
    </message>
    <message>
        <source>Address:</source>
        <extracomment>setting_proxy_ip</extracomment>
        <translation>Adres:</translation>
    </message>
    <message>
        <source>Security warning</source>
        <extracomment>title_ssl_warning</extracomment>
        <translation>Ostrzeżenie o zabezpieczeniach</translation>
    </message>
    <message>
        <source>Waiting</source>
        <extracomment>main_queue_waiting</extracomment>
        <translation>Oczekiwanie</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <extracomment>msg_download_downloading</extracomment>
        <translation>Pobieranie aktualizacji...</translation>
    </message>
    <message>
        <source>Welcome to Skylet Backup</source>
        <extracomment>wizard_welcome_desc</extracomment>
        <translation>Witamy w aplikacji Skylet Backup</translation>
    </message>
    <message>
        <source>Proxy user name:</source>
        <extracomment>setting_proxy_username</extracomment>
        <translation>Nazwa użytkownika serwera proxy:</translation>
    </message>
    <message>
        <source>Connect through the FarLink relay</source>
        <extracomment>connection_use_farlink</extracomment>
        <translation>Łącz przez przekaźnik FarLink</translation>
    </message>
    <message>
        <source>Account</source>
        <extracomment>wizard_summary_table_account</extracomment>
        <translation>Konto</translation>
    </message>
    <message>
        <source>The request could not be processed.</source>
        <extracomment>wizard_system_err_sync_folder_warning, err_invalid</extracomment>
        <translation>Nie można przetworzyć żądania.</translation>
    </message>
    <message>
        <source>The shared folder does not exist on the server.</source>
        <extracomment>wizard_share_nonexist_sync_folder_warning</extracomment>
        <translation>Folder udostępniony nie istnieje na serwerze.</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <extracomment>wizard_client_upgrade_failed</extracomment>
        <translation>Uaktualnienie %1 nie powiodło się (kod błędu: %2).</translation>
    </message>
    <message>
        <source>Summary</source>
        <extracomment>wizard_summary_title</extracomment>
        <translation>Podsumowanie</translation>
    </message>
    <message>
        <source>Preparing</source>
        <extracomment>main_queue_preparing</extracomment>
        <translation>Przygotowywanie</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>setting_tab_option</extracomment>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>The selected folder on the server is read-only.</source>
        <extracomment>wizard_readonly_sync_folder_warning</extracomment>
        <translation>Wybrany folder na serwerze jest tylko do odczytu.</translation>
    </message>
    <message>
        <source>Backup stopped with errors</source>
        <extracomment>main_status_error</extracomment>
        <translation>Tworzenie kopii zapasowej zatrzymane z powodu błędów</translation>
    </message>
    <message>
        <source>Click here to update Skylet Backup.</source>
        <extracomment>tray_click_to_update</extracomment>
        <translation>Kliknij tutaj, aby zaktualizować aplikację Skylet Backup.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <extracomment>read_only</extracomment>
        <translation>Tylko do odczytu</translation>
    </message>
    <message>
        <source>The server administrator does not allow automatic connections.</source>
        <extracomment>err_autoconn_ctrl</extracomment>
        <translation>Administrator serwera nie zezwala na połączenia automatyczne.</translation>
    </message>
    <message>
        <source>The selected folder overlaps a folder that is already backed up.</source>
        <extracomment>wizard_conflict_sync_folder_warning</extracomment>
        <translation>Wybrany folder nakłada się na folder, którego kopia zapasowa jest już tworzona.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <extracomment>btn_advanced</extracomment>
        <translation>Zaawansowane</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <extracomment>main_desc_processing_count</extracomment>
        <translation>Przetwarzanie plików: %1...</translation>
    </message>
    <message>
        <source>Excluded paths</source>
        <extracomment>wizard_summary_table_except_path</extracomment>
        <translation>Wykluczone ścieżki</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder.</source>
        <extracomment>err_share_perm</extracomment>
        <translation>Nie masz uprawnień do zapisu w folderze udostępnionym.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <extracomment>setting_filter_table_desc</extracomment>
        <translation>Pliki z tymi rozszerzeniami nie są uwzględniane w kopii zapasowej:</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <extracomment>err_auth</extracomment>
        <translation>Uwierzytelnianie nie powiodło się.</translation>
    </message>
    <message>
        <source>Settings</source>
        <extracomment>btn_settings</extracomment>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>The upgrade failed.</source>
        <extracomment>upgrade_failed</extracomment>
        <translation>Uaktualnienie nie powiodło się.</translation>
    </message>
    <message>
        <source>Searching for earlier backups on this computer...</source>
        <extracomment>local_hb_search</extracomment>
        <translation>Wyszukiwanie wcześniejszych kopii zapasowych na tym komputerze...</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>btn_back</extracomment>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <extracomment>main_queue_progress</extracomment>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <extracomment>btn_start_now</extracomment>
        <translation>Uruchom teraz</translation>
    </message>
    <message>
        <source>Backing up %1</source>
        <extracomment>main_desc_processing_file</extracomment>
        <translation>Tworzenie kopii zapasowej: %1</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <extracomment>setting_proxy_auth</extracomment>
        <translation>Serwer proxy wymaga uwierzytelnienia</translation>
    </message>
    <message>
        <source>Server</source>
        <extracomment>wizard_summary_table_server</extracomment>
        <translation>Serwer</translation>
    </message>
    <message>
        <source>Choose the folder to back up</source>
        <extracomment>wizard_setsyncfolder_title</extracomment>
        <translation>Wybierz folder do kopii zapasowej</translation>
    </message>
    <message>
        <source>A session with the server could not be created.</source>
        <extracomment>err_create_session_fail</extracomment>
        <translation>Nie można utworzyć sesji z serwerem.</translation>
    </message>
    <message>
        <source>Skylet Backup is ready.</source>
        <extracomment>desc_skyl_env_preparation_done</extracomment>
        <translation>Aplikacja Skylet Backup jest gotowa.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>btn_cancel</extracomment>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>This version of Skylet Backup is no longer supported. Please upgrade.</source>
        <extracomment>err_version_client</extracomment>
        <translation>Ta wersja aplikacji Skylet Backup nie jest już obsługiwana. Uaktualnij ją.</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <extracomment>setting_filter_table_title</extracomment>
        <translation>Wykluczone rozszerzenia plików</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <extracomment>manage_setting_applying</extracomment>
        <translation>Stosowanie ustawień...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <extracomment>tray_updating</extracomment>
        <translation>Aktualizowanie...</translation>
    </message>
    <message>
        <source>Look for a backup made earlier on this computer</source>
        <extracomment>wizard_find_local_hb_tooltip</extracomment>
        <translation>Wyszukaj kopię zapasową utworzoną wcześniej na tym komputerze</translation>
    </message>
    <message>
        <source>Start Skylet Backup when I log in</source>
        <extracomment>setting_option_start_upon_login</extracomment>
        <translation>Uruchamiaj aplikację Skylet Backup po zalogowaniu</translation>
    </message>
    <message>
        <source>Check the settings below, then click Done to start the backup.</source>
        <extracomment>wizard_summary_desc</extracomment>
        <translation>Sprawdź poniższe ustawienia, a następnie kliknij przycisk Gotowe, aby rozpocząć tworzenie kopii zapasowej.</translation>
    </message>
</context>
</TS>
