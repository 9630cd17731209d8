<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <translation>Ostatnia kopia zapasowa: %1</translation>
    </message>
    <message>
        <source>Skip files and folders whose names begin with a dot</source>
        <translation>Pomijaj pliki i foldery, których nazwy zaczynają się od kropki</translation>
    </message>
    <message>
        <source>Please check your user name and password.</source>
        <translation>Sprawdź nazwę użytkownika i hasło.</translation>
    </message>
    <message>
        <source>Skylet Backup</source>
        <translation>Skylet Backup</translation>
    </message>
    <message>
        <source>The automatic connection ID is invalid.</source>
        <translation>Identyfikator połączenia automatycznego jest nieprawidłowy.</translation>
    </message>
    <message>
        <source>The selected backup folder is invalid. Please choose another folder.</source>
        <translation>Wybrany folder kopii zapasowej jest nieprawidłowy. Wybierz inny folder.</translation>
    </message>
    <message>
        <source>Enter the address of your backup server and your account details.</source>
        <translation>Wprowadź adres serwera kopii zapasowych oraz dane swojego konta.</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Nazwa użytkownika:</translation>
    </message>
    <message>
        <source>The backup direction of this task does not match the server settings.</source>
        <translation>Kierunek tworzenia kopii zapasowej w tym zadaniu nie jest zgodny z ustawieniami serwera.</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <translation>Wprowadź kod weryfikacyjny z aplikacji uwierzytelniającej:</translation>
    </message>
    <message>
        <source>The shared folder on the server has reached its quota.</source>
        <translation>Folder udostępniony na serwerze osiągnął limit przydziału.</translation>
    </message>
    <message>
        <source>The server certificate could not be verified.</source>
        <translation>Nie można zweryfikować certyfikatu serwera.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Połączenie</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Serwer proxy</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Choose the local folders to back up and where to store them on the server.</source>
        <translation>Wybierz foldery lokalne, których kopię zapasową chcesz utworzyć, oraz miejsce ich przechowywania na serwerze.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Ukończono</translation>
    </message>
    <message>
        <source>The backup task on the server has been changed by another computer.</source>
        <translation>Zadanie kopii zapasowej na serwerze zostało zmienione z innego komputera.</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <translation>Nie można odnaleźć lokalnego folderu kopii zapasowej.</translation>
    </message>
    <message>
        <source>Server address:</source>
        <translation>Adres serwera:</translation>
    </message>
    <message>
        <source>Need help? The online help explains every step of the setup.</source>
        <translation>Potrzebujesz pomocy? Pomoc online objaśnia każdy krok konfiguracji.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The local database is damaged or cannot be opened.</source>
        <translation>Lokalna baza danych jest uszkodzona lub nie można jej otworzyć.</translation>
    </message>
    <message>
        <source>Your files, safely backed up.</source>
        <translation>Twoje pliki bezpieczne w kopii zapasowej.</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Używaj monochromatycznej ikony w zasobniku systemowym</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted.</source>
        <translation>Folder udostępniony na serwerze nie jest zamontowany.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Postęp</translation>
    </message>
    <message>
        <source>Open Skylet Backup</source>
        <translation>Otwórz Skylet Backup</translation>
    </message>
    <message>
        <source>The server sent a response that could not be understood.</source>
        <translation>Serwer wysłał niezrozumiałą odpowiedź.</translation>
    </message>
    <message>
        <source>The backup folder is on a volume that is not mounted.</source>
        <translation>Folder kopii zapasowej znajduje się na niezamontowanym woluminie.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Odłącz</translation>
    </message>
    <message>
        <source>There is not enough free space on the local disk.</source>
        <translation>Za mało wolnego miejsca na dysku lokalnym.</translation>
    </message>
    <message>
        <source>The home folder service is disabled for your account on the server.</source>
        <translation>Usługa folderu domowego jest wyłączona dla tego konta na serwerze.</translation>
    </message>
    <message>
        <source>Backup is up to date</source>
        <translation>Kopia zapasowa jest aktualna</translation>
    </message>
    <message>
        <source>There is not enough free space for the selected folder.</source>
        <translation>Za mało wolnego miejsca dla wybranego folderu.</translation>
    </message>
    <message>
        <source>Skylet Backup keeps a copy of your files on your own server.</source>
        <translation>Aplikacja Skylet Backup przechowuje kopię plików na Twoim własnym serwerze.</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <translation>Tworzenie kopii zapasowej nie powiodło się.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Ścieżka</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Ręczna konfiguracja serwera proxy</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Miejsce docelowe</translation>
    </message>
    <message>
        <source>A verification code is required to sign in.</source>
        <translation>Do zalogowania wymagany jest kod weryfikacyjny.</translation>
    </message>
    <message>
        <source>Unlink this computer from the server? Backups already stored stay on the server.</source>
        <translation>Odłączyć ten komputer od serwera? Zapisane już kopie zapasowe pozostaną na serwerze.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Wznów</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Hasło:</translation>
    </message>
    <message>
        <source>Skylet Backup is initializing...</source>
        <translation>Aplikacja Skylet Backup jest inicjowana...</translation>
    </message>
    <message>
        <source>No folder is selected. Please choose at least one folder to back up.</source>
        <translation>Nie wybrano folderu. Wybierz co najmniej jeden folder, którego kopię zapasową chcesz utworzyć.</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>Używaj systemowych ustawień serwera proxy</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Nie teraz</translation>
    </message>
    <message>
        <source>Local folders</source>
        <translation>Foldery lokalne</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Please enter a user name for the proxy server.</source>
        <translation>Wprowadź nazwę użytkownika serwera proxy.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtr</translation>
    </message>
    <message>
        <source>The certificate of the server has changed since the last connection.</source>
        <translation>Certyfikat serwera zmienił się od ostatniego połączenia.</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Odłączanie...</translation>
    </message>
    <message>
        <source>Use a secure connection (SSL)</source>
        <translation>Używaj bezpiecznego połączenia (SSL)</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Wersja: %1</translation>
    </message>
    <message>
        <source>Transfer queue</source>
        <translation>Kolejka transferów</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Wstrzymaj</translation>
    </message>
    <message>
        <source>The source folder is read-only. Its files can be backed up but not restored into it.</source>
        <translation>Folder źródłowy jest tylko do odczytu. Można utworzyć kopię zapasową jego plików, ale nie można ich do niego przywrócić.</translation>
    </message>
    <message>
        <source>This folder is read-only.</source>
        <translation>Ten folder jest tylko do odczytu.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Backup paused</source>
        <translation>Tworzenie kopii zapasowej wstrzymane</translation>
    </message>
    <message>
        <source>Upgrade Skylet Backup</source>
        <translation>Uaktualnij Skylet Backup</translation>
    </message>
    <message>
        <source>The new language takes effect after Skylet Backup restarts.</source>
        <translation>Nowy język zostanie zastosowany po ponownym uruchomieniu aplikacji Skylet Backup.</translation>
    </message>
    <message>
        <source>The proxy port must be a number from 1 to 65535.</source>
        <translation>Port serwera proxy musi być liczbą z zakresu od 1 do 65535.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Wysyłanie</translation>
    </message>
    <message>
        <source>The server certificate has changed. Make sure that you are connecting to the right server.</source>
        <translation>Certyfikat serwera zmienił się. Upewnij się, że łączysz się z właściwym serwerem.</translation>
    </message>
    <message>
        <source>The server does not accept connections from this IP address.</source>
        <translation>Serwer nie akceptuje połączeń z tego adresu IP.</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Testowanie połączenia...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>Nie można nawiązać bezpiecznego połączenia z serwerem.</translation>
    </message>
    <message>
        <source>Not needed</source>
        <translation>Niewymagane</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <translation>Połącz się ze swoim serwerem</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>Kod weryfikacyjny jest nieprawidłowy.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Wybierz</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <translation>Folder udostępniony o tej nazwie już istnieje.</translation>
    </message>
    <message>
        <source>This wizard helps you set up the backup of your computer.</source>
        <translation>Ten kreator pomoże Ci skonfigurować tworzenie kopii zapasowej komputera.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Łączenie...</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation>Udostępnianie włączone</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>You do not have permission to access the selected folder.</source>
        <translation>Nie masz uprawnień dostępu do wybranego folderu.</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <translation>Twój przydział miejsca na serwerze został wyczerpany.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Kliknij dwukrotnie, aby edytować rozszerzenie pliku.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Kontynuuj</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <translation>Maksymalny rozmiar pliku (MB):</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Tworzenie kopii zapasowej...</translation>
    </message>
    <message>
        <source>The selected folder is larger than the quota left on the server.</source>
        <translation>Wybrany folder jest większy niż pozostały przydział na serwerze.</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <translation>Zbyt wiele nieudanych prób. Spróbuj ponownie później.</translation>
    </message>
    <message>
        <source>Enter 0 to back up files of any size.</source>
        <translation>Wprowadź 0, aby tworzyć kopie zapasowe plików o dowolnym rozmiarze.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Wystąpił nieoczekiwany błąd.</translation>
    </message>
    <message>
        <source>Skylet Backup could not be initialized.</source>
        <translation>Nie można zainicjować aplikacji Skylet Backup.</translation>
    </message>
    <message>
        <source>The backup task on the server does not belong to this computer.</source>
        <translation>Zadanie kopii zapasowej na serwerze nie należy do tego komputera.</translation>
    </message>
    <message>
        <source>Choose a folder on the server:</source>
        <translation>Wybierz folder na serwerze:</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <translation>Nazwa użytkownika lub hasło jest nieprawidłowe.</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Język:</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Domyślne ustawienie systemu</translation>
    </message>
    <message>
        <source>Connect anyway</source>
        <translation>Połącz mimo to</translation>
    </message>
    <message>
        <source>Choose the folder on this computer that you want to back up.</source>
        <translation>Wybierz folder na tym komputerze, którego kopię zapasową chcesz utworzyć.</translation>
    </message>
    <message>
        <source>The server requires two-step verification for your account. Please turn it on first.</source>
        <translation>Serwer wymaga weryfikacji dwuetapowej dla Twojego konta. Najpierw ją włącz.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Wprowadź adres i port serwera proxy.</translation>
    </message>
    <message>
        <source>Your account is disabled on the server.</source>
        <translation>Twoje konto na serwerze jest wyłączone.</translation>
    </message>
    <message>
        <source>This folder is already backed up by another task.</source>
        <translation>Kopia zapasowa tego folderu jest już tworzona przez inne zadanie.</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <translation>Brak prawidłowego folderu, którego kopię zapasową można utworzyć.</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked</source>
        <translation>Oczekiwanie na odblokowanie pliku</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Bez serwera proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server.</source>
        <translation>Ta wersja serwera nie jest obsługiwana. Zaktualizuj serwer.</translation>
    </message>
    <message>
        <source>Choose a folder on this computer</source>
        <translation>Wybierz folder na tym komputerze</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <translation>Pliki większe niż ten rozmiar nie są uwzględniane w kopii zapasowej.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted locally</source>
        <translation>Zachowuj pliki na serwerze po ich usunięciu lokalnie</translation>
    </message>
    <message>
        <source>The network is unavailable. Please check your connection.</source>
        <translation>Sieć jest niedostępna. Sprawdź połączenie.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Choose source folders</source>
        <translation>Wybierz foldery źródłowe</translation>
    </message>
    <message>
        <source>Read-only folders are backed up, but files cannot be restored into them.</source>
        <translation>Foldery tylko do odczytu są uwzględniane w kopii zapasowej, ale nie można do nich przywracać plików.</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adres:</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Ostrzeżenie o zabezpieczeniach</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Oczekiwanie</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>Pobieranie aktualizacji...</translation>
    </message>
    <message>
        <source>Welcome to Skylet Backup</source>
        <translation>Witamy w aplikacji Skylet Backup</translation>
    </message>
    <message>
        <source>Proxy user name:</source>
        <translation>Nazwa użytkownika serwera proxy:</translation>
    </message>
    <message>
        <source>Connect through the FarLink relay</source>
        <translation>Łącz przez przekaźnik FarLink</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>The request could not be processed.</source>
        <translation>Nie można przetworzyć żądania.</translation>
    </message>
    <message>
        <source>The shared folder does not exist on the server.</source>
        <translation>Folder udostępniony nie istnieje na serwerze.</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <translation>Uaktualnienie %1 nie powiodło się (kod błędu: %2).</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Podsumowanie</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Przygotowywanie</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>The selected folder on the server is read-only.</source>
        <translation>Wybrany folder na serwerze jest tylko do odczytu.</translation>
    </message>
    <message>
        <source>Backup stopped with errors</source>
        <translation>Tworzenie kopii zapasowej zatrzymane z powodu błędów</translation>
    </message>
    <message>
        <source>Click here to update Skylet Backup.</source>
        <translation>Kliknij tutaj, aby zaktualizować aplikację Skylet Backup.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Tylko do odczytu</translation>
    </message>
    <message>
        <source>The server administrator does not allow automatic connections.</source>
        <translation>Administrator serwera nie zezwala na połączenia automatyczne.</translation>
    </message>
    <message>
        <source>The selected folder overlaps a folder that is already backed up.</source>
        <translation>Wybrany folder nakłada się na folder, którego kopia zapasowa jest już tworzona.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Zaawansowane</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <translation>Przetwarzanie plików: %1...</translation>
    </message>
    <message>
        <source>Excluded paths</source>
        <translation>Wykluczone ścieżki</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder.</source>
        <translation>Nie masz uprawnień do zapisu w folderze udostępnionym.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>Pliki z tymi rozszerzeniami nie są uwzględniane w kopii zapasowej:</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <translation>Uwierzytelnianie nie powiodło się.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>The upgrade failed.</source>
        <translation>Uaktualnienie nie powiodło się.</translation>
    </message>
    <message>
        <source>Searching for earlier backups on this computer...</source>
        <translation>Wyszukiwanie wcześniejszych kopii zapasowych na tym komputerze...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Uruchom teraz</translation>
    </message>
    <message>
        <source>Backing up %1</source>
        <translation>Tworzenie kopii zapasowej: %1</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>Serwer proxy wymaga uwierzytelnienia</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Serwer</translation>
    </message>
    <message>
        <source>Choose the folder to back up</source>
        <translation>Wybierz folder do kopii zapasowej</translation>
    </message>
    <message>
        <source>A session with the server could not be created.</source>
        <translation>Nie można utworzyć sesji z serwerem.</translation>
    </message>
    <message>
        <source>Skylet Backup is ready.</source>
        <translation>Aplikacja Skylet Backup jest gotowa.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>This version of Skylet Backup is no longer supported. Please upgrade.</source>
        <translation>Ta wersja aplikacji Skylet Backup nie jest już obsługiwana. Uaktualnij ją.</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <translation>Wykluczone rozszerzenia plików</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Stosowanie ustawień...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Aktualizowanie...</translation>
    </message>
    <message>
        <source>Look for a backup made earlier on this computer</source>
        <translation>Wyszukaj kopię zapasową utworzoną wcześniej na tym komputerze</translation>
    </message>
    <message>
        <source>Start Skylet Backup when I log in</source>
        <translation>Uruchamiaj aplikację Skylet Backup po zalogowaniu</translation>
    </message>
    <message>
        <source>Check the settings below, then click Done to start the backup.</source>
        <translation>Sprawdź poniższe ustawienia, a następnie kliknij przycisk Gotowe, aby rozpocząć tworzenie kopii zapasowej.</translation>
    </message>
</context>
</TS>
