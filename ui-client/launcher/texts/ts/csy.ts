<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <translation>Poslední záloha: %1</translation>
    </message>
    <message>
        <source>Skip files and folders whose names begin with a dot</source>
        <translation>Přeskakovat soubory a složky, jejichž názvy začínají tečkou</translation>
    </message>
    <message>
        <source>Please check your user name and password.</source>
        <translation>Zkontrolujte prosím uživatelské jméno a heslo.</translation>
    </message>
    <message>
        <source>Skylet Backup</source>
        <translation>Skylet Backup</translation>
    </message>
    <message>
        <source>The automatic connection ID is invalid.</source>
        <translation>Identifikátor automatického připojení je neplatný.</translation>
    </message>
    <message>
        <source>The selected backup folder is invalid. Please choose another folder.</source>
        <translation>Vybraná složka pro zálohování je neplatná. Vyberte prosím jinou složku.</translation>
    </message>
    <message>
        <source>Enter the address of your backup server and your account details.</source>
        <translation>Zadejte adresu zálohovacího serveru a údaje svého účtu.</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Uživatelské jméno:</translation>
    </message>
    <message>
        <source>The backup direction of this task does not match the server settings.</source>
        <translation>Směr zálohování této úlohy neodpovídá nastavení serveru.</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <translation>Zadejte ověřovací kód z ověřovací aplikace:</translation>
    </message>
    <message>
        <source>The shared folder on the server has reached its quota.</source>
        <translation>Sdílená složka na serveru dosáhla své kvóty.</translation>
    </message>
    <message>
        <source>The server certificate could not be verified.</source>
        <translation>Certifikát serveru se nepodařilo ověřit.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Připojení</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy server</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hotovo</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ukončit</translation>
    </message>
    <message>
        <source>Choose the local folders to back up and where to store them on the server.</source>
        <translation>Vyberte místní složky, které chcete zálohovat, a místo jejich uložení na serveru.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Dokončeno</translation>
    </message>
    <message>
        <source>The backup task on the server has been changed by another computer.</source>
        <translation>Úloha zálohování na serveru byla změněna z jiného počítače.</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <translation>Místní složku pro zálohování nelze najít.</translation>
    </message>
    <message>
        <source>Server address:</source>
        <translation>Adresa serveru:</translation>
    </message>
    <message>
        <source>Need help? The online help explains every step of the setup.</source>
        <translation>Potřebujete pomoc? Online nápověda vysvětluje každý krok nastavení.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The local database is damaged or cannot be opened.</source>
        <translation>Místní databáze je poškozená nebo ji nelze otevřít.</translation>
    </message>
    <message>
        <source>Your files, safely backed up.</source>
        <translation>Vaše soubory, bezpečně zálohované.</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Používat monochromatickou ikonu v oznamovací oblasti</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted.</source>
        <translation>Sdílená složka na serveru není připojena.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Průběh</translation>
    </message>
    <message>
        <source>Open Skylet Backup</source>
        <translation>Otevřít Skylet Backup</translation>
    </message>
    <message>
        <source>The server sent a response that could not be understood.</source>
        <translation>Server odeslal nesrozumitelnou odpověď.</translation>
    </message>
    <message>
        <source>The backup folder is on a volume that is not mounted.</source>
        <translation>Složka pro zálohování je na svazku, který není připojen.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Odpojit</translation>
    </message>
    <message>
        <source>There is not enough free space on the local disk.</source>
        <translation>Na místním disku není dostatek volného místa.</translation>
    </message>
    <message>
        <source>The home folder service is disabled for your account on the server.</source>
        <translation>Služba domovské složky je pro váš účet na serveru zakázána.</translation>
    </message>
    <message>
        <source>Backup is up to date</source>
        <translation>Záloha je aktuální</translation>
    </message>
    <message>
        <source>There is not enough free space for the selected folder.</source>
        <translation>Pro vybranou složku není dostatek volného místa.</translation>
    </message>
    <message>
        <source>Skylet Backup keeps a copy of your files on your own server.</source>
        <translation>Skylet Backup uchovává kopii vašich souborů na vašem vlastním serveru.</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <translation>Zálohování se nezdařilo.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Cesta</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Ruční konfigurace proxy serveru</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Cíl</translation>
    </message>
    <message>
        <source>A verification code is required to sign in.</source>
        <translation>K přihlášení je vyžadován ověřovací kód.</translation>
    </message>
    <message>
        <source>Unlink this computer from the server? Backups already stored stay on the server.</source>
        <translation>Odpojit tento počítač od serveru? Již uložené zálohy na serveru zůstanou.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Pokračovat</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Heslo:</translation>
    </message>
    <message>
        <source>Skylet Backup is initializing...</source>
        <translation>Skylet Backup se inicializuje...</translation>
    </message>
    <message>
        <source>No folder is selected. Please choose at least one folder to back up.</source>
        <translation>Není vybrána žádná složka. Vyberte prosím alespoň jednu složku k zálohování.</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>Používat systémové nastavení proxy serveru</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Teď ne</translation>
    </message>
    <message>
        <source>Local folders</source>
        <translation>Místní složky</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Soubor</translation>
    </message>
    <message>
        <source>Please enter a user name for the proxy server.</source>
        <translation>Zadejte prosím uživatelské jméno pro proxy server.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtr</translation>
    </message>
    <message>
        <source>The certificate of the server has changed since the last connection.</source>
        <translation>Certifikát serveru se od posledního připojení změnil.</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Odpojování...</translation>
    </message>
    <message>
        <source>Use a secure connection (SSL)</source>
        <translation>Používat zabezpečené připojení (SSL)</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Verze: %1</translation>
    </message>
    <message>
        <source>Transfer queue</source>
        <translation>Fronta přenosů</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pozastavit</translation>
    </message>
    <message>
        <source>The source folder is read-only. Its files can be backed up but not restored into it.</source>
        <translation>Zdrojová složka je jen pro čtení. Její soubory lze zálohovat, ale nelze je do ní obnovit.</translation>
    </message>
    <message>
        <source>This folder is read-only.</source>
        <translation>Tato složka je jen pro čtení.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>Backup paused</source>
        <translation>Zálohování pozastaveno</translation>
    </message>
    <message>
        <source>Upgrade Skylet Backup</source>
        <translation>Aktualizovat Skylet Backup</translation>
    </message>
    <message>
        <source>The new language takes effect after Skylet Backup restarts.</source>
        <translation>Nový jazyk se projeví po restartování aplikace Skylet Backup.</translation>
    </message>
    <message>
        <source>The proxy port must be a number from 1 to 65535.</source>
        <translation>Port proxy serveru musí být číslo od 1 do 65535.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Odesílání</translation>
    </message>
    <message>
        <source>The server certificate has changed. Make sure that you are connecting to the right server.</source>
        <translation>Certifikát serveru se změnil. Ujistěte se, že se připojujete ke správnému serveru.</translation>
    </message>
    <message>
        <source>The server does not accept connections from this IP address.</source>
        <translation>Server nepřijímá připojení z této IP adresy.</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Testování připojení...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>Zabezpečené připojení k serveru se nepodařilo navázat.</translation>
    </message>
    <message>
        <source>Not needed</source>
        <translation>Není potřeba</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <translation>Připojte se ke svému serveru</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>Ověřovací kód je nesprávný.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Vybrat</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <translation>Sdílená složka s tímto názvem již existuje.</translation>
    </message>
    <message>
        <source>This wizard helps you set up the backup of your computer.</source>
        <translation>Tento průvodce vám pomůže nastavit zálohování počítače.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Připojování...</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation>Sdílení zapnuto</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O aplikaci</translation>
    </message>
    <message>
        <source>You do not have permission to access the selected folder.</source>
        <translation>Nemáte oprávnění k přístupu k vybrané složce.</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <translation>Vaše kvóta úložiště na serveru je vyčerpána.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Dvojitým kliknutím upravíte příponu souboru.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Pokračovat</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <translation>Maximální velikost souboru (MB):</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Zálohování...</translation>
    </message>
    <message>
        <source>The selected folder is larger than the quota left on the server.</source>
        <translation>Vybraná složka je větší než zbývající kvóta na serveru.</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <translation>Příliš mnoho neúspěšných pokusů. Zkuste to prosím později.</translation>
    </message>
    <message>
        <source>Enter 0 to back up files of any size.</source>
        <translation>Zadejte 0, chcete-li zálohovat soubory libovolné velikosti.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Došlo k neočekávané chybě.</translation>
    </message>
    <message>
        <source>Skylet Backup could not be initialized.</source>
        <translation>Aplikaci Skylet Backup se nepodařilo inicializovat.</translation>
    </message>
    <message>
        <source>The backup task on the server does not belong to this computer.</source>
        <translation>Úloha zálohování na serveru nepatří tomuto počítači.</translation>
    </message>
    <message>
        <source>Choose a folder on the server:</source>
        <translation>Vyberte složku na serveru:</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <translation>Uživatelské jméno nebo heslo je nesprávné.</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Jazyk:</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Podle systému</translation>
    </message>
    <message>
        <source>Connect anyway</source>
        <translation>Přesto připojit</translation>
    </message>
    <message>
        <source>Choose the folder on this computer that you want to back up.</source>
        <translation>Vyberte složku v tomto počítači, kterou chcete zálohovat.</translation>
    </message>
    <message>
        <source>The server requires two-step verification for your account. Please turn it on first.</source>
        <translation>Server vyžaduje pro váš účet dvoufázové ověření. Nejprve ho prosím zapněte.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Další</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Použít</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Zadejte prosím adresu a port proxy serveru.</translation>
    </message>
    <message>
        <source>Your account is disabled on the server.</source>
        <translation>Váš účet je na serveru zakázán.</translation>
    </message>
    <message>
        <source>This folder is already backed up by another task.</source>
        <translation>Tato složka je již zálohována jinou úlohou.</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <translation>Není k dispozici žádná platná složka k zálohování.</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked</source>
        <translation>Čekání na odemknutí souboru</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Bez proxy serveru</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Nápověda</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server.</source>
        <translation>Tato verze serveru není podporována. Aktualizujte prosím server.</translation>
    </message>
    <message>
        <source>Choose a folder on this computer</source>
        <translation>Vyberte složku v tomto počítači</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <translation>Soubory větší než tato velikost se nezálohují.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted locally</source>
        <translation>Ponechat soubory na serveru, i když jsou odstraněny místně</translation>
    </message>
    <message>
        <source>The network is unavailable. Please check your connection.</source>
        <translation>Síť není dostupná. Zkontrolujte prosím připojení.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stav</translation>
    </message>
    <message>
        <source>Choose source folders</source>
        <translation>Vyberte zdrojové složky</translation>
    </message>
    <message>
        <source>Read-only folders are backed up, but files cannot be restored into them.</source>
        <translation>Složky jen pro čtení se zálohují, ale soubory do nich nelze obnovit.</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresa:</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Bezpečnostní upozornění</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Čekání</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>Stahování aktualizace...</translation>
    </message>
    <message>
        <source>Welcome to Skylet Backup</source>
        <translation>Vítejte v aplikaci Skylet Backup</translation>
    </message>
    <message>
        <source>Proxy user name:</source>
        <translation>Uživatelské jméno pro proxy server:</translation>
    </message>
    <message>
        <source>Connect through the FarLink relay</source>
        <translation>Připojit se přes přenosový server FarLink</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Účet</translation>
    </message>
    <message>
        <source>The request could not be processed.</source>
        <translation>Požadavek nelze zpracovat.</translation>
    </message>
    <message>
        <source>The shared folder does not exist on the server.</source>
        <translation>Sdílená složka na serveru neexistuje.</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <translation>Aktualizace %1 se nezdařila (kód chyby: %2).</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Souhrn</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Příprava</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Možnosti</translation>
    </message>
    <message>
        <source>The selected folder on the server is read-only.</source>
        <translation>Vybraná složka na serveru je jen pro čtení.</translation>
    </message>
    <message>
        <source>Backup stopped with errors</source>
        <translation>Zálohování skončilo s chybami</translation>
    </message>
    <message>
        <source>Click here to update Skylet Backup.</source>
        <translation>Klikněte sem a aktualizujte aplikaci Skylet Backup.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Jen pro čtení</translation>
    </message>
    <message>
        <source>The server administrator does not allow automatic connections.</source>
        <translation>Správce serveru nepovoluje automatická připojení.</translation>
    </message>
    <message>
        <source>The selected folder overlaps a folder that is already backed up.</source>
        <translation>Vybraná složka se překrývá se složkou, která je již zálohována.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Pokročilé</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <translation>Zpracování souborů: %1...</translation>
    </message>
    <message>
        <source>Excluded paths</source>
        <translation>Vyloučené cesty</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder.</source>
        <translation>Nemáte oprávnění k zápisu do sdílené složky.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>Soubory s těmito příponami se nezálohují:</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <translation>Ověření se nezdařilo.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>The upgrade failed.</source>
        <translation>Aktualizace se nezdařila.</translation>
    </message>
    <message>
        <source>Searching for earlier backups on this computer...</source>
        <translation>Hledání dřívějších záloh v tomto počítači...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Spustit nyní</translation>
    </message>
    <message>
        <source>Backing up %1</source>
        <translation>Zálohování: %1</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>Proxy server vyžaduje ověření</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Choose the folder to back up</source>
        <translation>Vyberte složku k zálohování</translation>
    </message>
    <message>
        <source>A session with the server could not be created.</source>
        <translation>Relaci se serverem se nepodařilo vytvořit.</translation>
    </message>
    <message>
        <source>Skylet Backup is ready.</source>
        <translation>Skylet Backup je připravena.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>This version of Skylet Backup is no longer supported. Please upgrade.</source>
        <translation>Tato verze aplikace Skylet Backup již není podporována. Proveďte prosím aktualizaci.</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <translation>Vyloučené přípony souborů</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Použití nastavení...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Aktualizace...</translation>
    </message>
    <message>
        <source>Look for a backup made earlier on this computer</source>
        <translation>Vyhledat zálohu vytvořenou dříve v tomto počítači</translation>
    </message>
    <message>
        <source>Start Skylet Backup when I log in</source>
        <translation>Spouštět aplikaci Skylet Backup po přihlášení</translation>
    </message>
    <message>
        <source>Check the settings below, then click Done to start the backup.</source>
        <translation>Zkontrolujte níže uvedené nastavení a zálohování spusťte kliknutím na tlačítko Hotovo.</translation>
    </message>
</context>
</TS>
