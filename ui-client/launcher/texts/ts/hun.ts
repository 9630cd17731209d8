<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <translation>Legutóbbi biztonsági mentés: %1</translation>
    </message>
    <message>
        <source>Skip files and folders whose names begin with a dot</source>
        <translation>A ponttal kezdődő nevű fájlok és mappák kihagyása</translation>
    </message>
    <message>
        <source>Please check your user name and password.</source>
        <translation>Ellenőrizze a felhasználónevét és a jelszavát.</translation>
    </message>
    <message>
        <source>Skylet Backup</source>
        <translation>Skylet Backup</translation>
    </message>
    <message>
        <source>The automatic connection ID is invalid.</source>
        <translation>Az automatikus kapcsolódás azonosítója érvénytelen.</translation>
    </message>
    <message>
        <source>The selected backup folder is invalid. Please choose another folder.</source>
        <translation>A kiválasztott biztonsági mentési mappa érvénytelen. Válasszon másik mappát.</translation>
    </message>
    <message>
        <source>Enter the address of your backup server and your account details.</source>
        <translation>Adja meg a biztonsági mentési kiszolgáló címét és a fiókja adatait.</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Felhasználónév:</translation>
    </message>
    <message>
        <source>The backup direction of this task does not match the server settings.</source>
        <translation>A feladat biztonsági mentési iránya nem egyezik a kiszolgáló beállításaival.</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <translation>Adja meg a hitelesítő alkalmazásban látható ellenőrző kódot:</translation>
    </message>
    <message>
        <source>The shared folder on the server has reached its quota.</source>
        <translation>A kiszolgálón lévő megosztott mappa elérte a kvótáját.</translation>
    </message>
    <message>
        <source>The server certificate could not be verified.</source>
        <translation>A kiszolgáló tanúsítványát nem sikerült ellenőrizni.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Kapcsolat</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxykiszolgáló</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Befejezés</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Kilépés</translation>
    </message>
    <message>
        <source>Choose the local folders to back up and where to store them on the server.</source>
        <translation>Válassza ki, mely helyi mappákról készüljön biztonsági mentés, és hol legyenek tárolva a kiszolgálón.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Befejeződött</translation>
    </message>
    <message>
        <source>The backup task on the server has been changed by another computer.</source>
        <translation>A kiszolgálón lévő biztonsági mentési feladatot egy másik számítógép módosította.</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <translation>A helyi biztonsági mentési mappa nem található.</translation>
    </message>
    <message>
        <source>Server address:</source>
        <translation>Kiszolgáló címe:</translation>
    </message>
    <message>
        <source>Need help? The online help explains every step of the setup.</source>
        <translation>Segítségre van szüksége? Az online súgó a beállítás minden lépését ismerteti.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The local database is damaged or cannot be opened.</source>
        <translation>A helyi adatbázis sérült, vagy nem nyitható meg.</translation>
    </message>
    <message>
        <source>Your files, safely backed up.</source>
        <translation>Fájljai megbízható biztonsági mentése.</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Egyszínű tálcaikon használata</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted.</source>
        <translation>A kiszolgálón lévő megosztott mappa nincs csatlakoztatva.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Előrehaladás</translation>
    </message>
    <message>
        <source>Open Skylet Backup</source>
        <translation>A Skylet Backup megnyitása</translation>
    </message>
    <message>
        <source>The server sent a response that could not be understood.</source>
        <translation>A kiszolgáló értelmezhetetlen választ küldött.</translation>
    </message>
    <message>
        <source>The backup folder is on a volume that is not mounted.</source>
        <translation>A biztonsági mentési mappa egy nem csatlakoztatott köteten található.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Leválasztás</translation>
    </message>
    <message>
        <source>There is not enough free space on the local disk.</source>
        <translation>Nincs elég szabad hely a helyi lemezen.</translation>
    </message>
    <message>
        <source>The home folder service is disabled for your account on the server.</source>
        <translation>A saját mappa szolgáltatás le van tiltva az Ön fiókjánál a kiszolgálón.</translation>
    </message>
    <message>
        <source>Backup is up to date</source>
        <translation>A biztonsági mentés naprakész</translation>
    </message>
    <message>
        <source>There is not enough free space for the selected folder.</source>
        <translation>Nincs elég szabad hely a kiválasztott mappához.</translation>
    </message>
    <message>
        <source>Skylet Backup keeps a copy of your files on your own server.</source>
        <translation>A Skylet Backup a fájljai másolatát a saját kiszolgálóján tárolja.</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <translation>A biztonsági mentés sikertelen.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Útvonal</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Kézi proxybeállítás</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Cél</translation>
    </message>
    <message>
        <source>A verification code is required to sign in.</source>
        <translation>A bejelentkezéshez ellenőrző kód szükséges.</translation>
    </message>
    <message>
        <source>Unlink this computer from the server? Backups already stored stay on the server.</source>
        <translation>Leválasztja ezt a számítógépet a kiszolgálóról? A már tárolt biztonsági mentések a kiszolgálón maradnak.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Folytatás</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Jelszó:</translation>
    </message>
    <message>
        <source>Skylet Backup is initializing...</source>
        <translation>A Skylet Backup inicializálása folyamatban...</translation>
    </message>
    <message>
        <source>No folder is selected. Please choose at least one folder to back up.</source>
        <translation>Nincs kiválasztva mappa. Válasszon legalább egy mappát a biztonsági mentéshez.</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>A rendszer proxybeállításainak használata</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Most nem</translation>
    </message>
    <message>
        <source>Local folders</source>
        <translation>Helyi mappák</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fájl</translation>
    </message>
    <message>
        <source>Please enter a user name for the proxy server.</source>
        <translation>Adjon meg egy felhasználónevet a proxykiszolgálóhoz.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Szűrő</translation>
    </message>
    <message>
        <source>The certificate of the server has changed since the last connection.</source>
        <translation>A kiszolgáló tanúsítványa megváltozott a legutóbbi kapcsolódás óta.</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Leválasztás...</translation>
    </message>
    <message>
        <source>Use a secure connection (SSL)</source>
        <translation>Biztonságos kapcsolat (SSL) használata</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Verzió: %1</translation>
    </message>
    <message>
        <source>Transfer queue</source>
        <translation>Átviteli sor</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Szüneteltetés</translation>
    </message>
    <message>
        <source>The source folder is read-only. Its files can be backed up but not restored into it.</source>
        <translation>A forrásmappa csak olvasható. A benne lévő fájlokról készülhet biztonsági mentés, de visszaállítani nem lehet őket ebbe a mappába.</translation>
    </message>
    <message>
        <source>This folder is read-only.</source>
        <translation>Ez a mappa csak olvasható.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hiba</translation>
    </message>
    <message>
        <source>Backup paused</source>
        <translation>Biztonsági mentés szüneteltetve</translation>
    </message>
    <message>
        <source>Upgrade Skylet Backup</source>
        <translation>A Skylet Backup verziófrissítése</translation>
    </message>
    <message>
        <source>The new language takes effect after Skylet Backup restarts.</source>
        <translation>Az új nyelv a Skylet Backup újraindítása után lép életbe.</translation>
    </message>
    <message>
        <source>The proxy port must be a number from 1 to 65535.</source>
        <translation>A proxyportnak 1 és 65535 közötti számnak kell lennie.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Feltöltés</translation>
    </message>
    <message>
        <source>The server certificate has changed. Make sure that you are connecting to the right server.</source>
        <translation>A kiszolgáló tanúsítványa megváltozott. Győződjön meg arról, hogy a megfelelő kiszolgálóhoz kapcsolódik.</translation>
    </message>
    <message>
        <source>The server does not accept connections from this IP address.</source>
        <translation>A kiszolgáló nem fogad kapcsolatot erről az IP-címről.</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Kapcsolat tesztelése...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>Nem sikerült biztonságos kapcsolatot létesíteni a kiszolgálóval.</translation>
    </message>
    <message>
        <source>Not needed</source>
        <translation>Nem szükséges</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <translation>Kapcsolódás a kiszolgálóhoz</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>Az ellenőrző kód helytelen.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Kiválasztás</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <translation>Már létezik ilyen nevű megosztott mappa.</translation>
    </message>
    <message>
        <source>This wizard helps you set up the backup of your computer.</source>
        <translation>Ez a varázsló segít beállítani a számítógép biztonsági mentését.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Kapcsolódás...</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation>Megosztás engedélyezve</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Névjegy</translation>
    </message>
    <message>
        <source>You do not have permission to access the selected folder.</source>
        <translation>Nincs jogosultsága a kiválasztott mappa eléréséhez.</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <translation>Az Ön tárhelykvótája a kiszolgálón megtelt.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Kattintson duplán a fájlkiterjesztés szerkesztéséhez.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Folytatás</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <translation>Maximális fájlméret (MB):</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Biztonsági mentés folyamatban...</translation>
    </message>
    <message>
        <source>The selected folder is larger than the quota left on the server.</source>
        <translation>A kiválasztott mappa nagyobb, mint a kiszolgálón fennmaradó kvóta.</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <translation>Túl sok sikertelen próbálkozás. Próbálja újra később.</translation>
    </message>
    <message>
        <source>Enter 0 to back up files of any size.</source>
        <translation>Ha bármilyen méretű fájlról szeretne biztonsági mentést készíteni, adja meg a 0 értéket.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Váratlan hiba történt.</translation>
    </message>
    <message>
        <source>Skylet Backup could not be initialized.</source>
        <translation>A Skylet Backup inicializálása nem sikerült.</translation>
    </message>
    <message>
        <source>The backup task on the server does not belong to this computer.</source>
        <translation>A kiszolgálón lévő biztonsági mentési feladat nem ehhez a számítógéphez tartozik.</translation>
    </message>
    <message>
        <source>Choose a folder on the server:</source>
        <translation>Válasszon mappát a kiszolgálón:</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <translation>A felhasználónév vagy a jelszó helytelen.</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Nyelv:</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Rendszer alapértelmezése</translation>
    </message>
    <message>
        <source>Connect anyway</source>
        <translation>Kapcsolódás mindenképp</translation>
    </message>
    <message>
        <source>Choose the folder on this computer that you want to back up.</source>
        <translation>Válassza ki azt a mappát ezen a számítógépen, amelyről biztonsági mentést szeretne készíteni.</translation>
    </message>
    <message>
        <source>The server requires two-step verification for your account. Please turn it on first.</source>
        <translation>A kiszolgáló kétlépéses ellenőrzést ír elő a fiókjához. Először kapcsolja be.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Tovább</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Alkalmaz</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Adja meg a proxy címét és portját.</translation>
    </message>
    <message>
        <source>Your account is disabled on the server.</source>
        <translation>Az Ön fiókja le van tiltva a kiszolgálón.</translation>
    </message>
    <message>
        <source>This folder is already backed up by another task.</source>
        <translation>Erről a mappáról már egy másik feladat készít biztonsági mentést.</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <translation>Nincs érvényes mappa, amelyről biztonsági mentés készülhetne.</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked</source>
        <translation>Várakozás a fájl zárolásának feloldására</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Nincs proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Súgó</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server.</source>
        <translation>A kiszolgáló verziója nem támogatott. Frissítse a kiszolgálót.</translation>
    </message>
    <message>
        <source>Choose a folder on this computer</source>
        <translation>Válasszon mappát ezen a számítógépen</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <translation>Az ennél nagyobb fájlokról nem készül biztonsági mentés.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted locally</source>
        <translation>A helyben törölt fájlok megtartása a kiszolgálón</translation>
    </message>
    <message>
        <source>The network is unavailable. Please check your connection.</source>
        <translation>A hálózat nem érhető el. Ellenőrizze a kapcsolatot.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Állapot</translation>
    </message>
    <message>
        <source>Choose source folders</source>
        <translation>Forrásmappák kiválasztása</translation>
    </message>
    <message>
        <source>Read-only folders are backed up, but files cannot be restored into them.</source>
        <translation>A csak olvasható mappákról készül biztonsági mentés, de fájlokat nem lehet visszaállítani beléjük.</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Cím:</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Biztonsági figyelmeztetés</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Várakozás</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>A frissítés letöltése...</translation>
    </message>
    <message>
        <source>Welcome to Skylet Backup</source>
        <translation>Üdvözli a Skylet Backup</translation>
    </message>
    <message>
        <source>Proxy user name:</source>
        <translation>Proxy-felhasználónév:</translation>
    </message>
    <message>
        <source>Connect through the FarLink relay</source>
        <translation>Kapcsolódás a FarLink-közvetítőn keresztül</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Fiók</translation>
    </message>
    <message>
        <source>The request could not be processed.</source>
        <translation>A kérést nem sikerült feldolgozni.</translation>
    </message>
    <message>
        <source>The shared folder does not exist on the server.</source>
        <translation>A megosztott mappa nem létezik a kiszolgálón.</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <translation>A(z) %1 verziófrissítése sikertelen (hibakód: %2).</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Összegzés</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Előkészítés</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Lehetőségek</translation>
    </message>
    <message>
        <source>The selected folder on the server is read-only.</source>
        <translation>A kiszolgálón kiválasztott mappa csak olvasható.</translation>
    </message>
    <message>
        <source>Backup stopped with errors</source>
        <translation>A biztonsági mentés hibákkal leállt</translation>
    </message>
    <message>
        <source>Click here to update Skylet Backup.</source>
        <translation>Kattintson ide a Skylet Backup frissítéséhez.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Csak olvasható</translation>
    </message>
    <message>
        <source>The server administrator does not allow automatic connections.</source>
        <translation>A kiszolgáló rendszergazdája nem engedélyezi az automatikus kapcsolódást.</translation>
    </message>
    <message>
        <source>The selected folder overlaps a folder that is already backed up.</source>
        <translation>A kiválasztott mappa átfedésben van egy olyan mappával, amelyről már készül biztonsági mentés.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Speciális</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <translation>%1 fájl feldolgozása...</translation>
    </message>
    <message>
        <source>Excluded paths</source>
        <translation>Kizárt útvonalak</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder.</source>
        <translation>Nincs írási jogosultsága a megosztott mappához.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>Az alábbi kiterjesztésű fájlokról nem készül biztonsági mentés:</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <translation>A hitelesítés sikertelen.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Beállítások</translation>
    </message>
    <message>
        <source>The upgrade failed.</source>
        <translation>A verziófrissítés sikertelen.</translation>
    </message>
    <message>
        <source>Searching for earlier backups on this computer...</source>
        <translation>Korábbi biztonsági mentések keresése ezen a számítógépen...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Vissza</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Indítás most</translation>
    </message>
    <message>
        <source>Backing up %1</source>
        <translation>%1 biztonsági mentése</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>A proxykiszolgáló hitelesítést kér</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Kiszolgáló</translation>
    </message>
    <message>
        <source>Choose the folder to back up</source>
        <translation>Válassza ki a biztonsági mentésre kerülő mappát</translation>
    </message>
    <message>
        <source>A session with the server could not be created.</source>
        <translation>Nem sikerült munkamenetet létrehozni a kiszolgálóval.</translation>
    </message>
    <message>
        <source>Skylet Backup is ready.</source>
        <translation>Skylet Backup készen áll.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>This version of Skylet Backup is no longer supported. Please upgrade.</source>
        <translation>A Skylet Backup ezen verziója már nem támogatott. Frissítsen újabb verzióra.</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <translation>Kizárt fájlkiterjesztések</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Beállítások alkalmazása...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Frissítés...</translation>
    </message>
    <message>
        <source>Look for a backup made earlier on this computer</source>
        <translation>Korábban ezen a számítógépen készült biztonsági mentés keresése</translation>
    </message>
    <message>
        <source>Start Skylet Backup when I log in</source>
        <translation>A Skylet Backup indítása bejelentkezéskor</translation>
    </message>
    <message>
        <source>Check the settings below, then click Done to start the backup.</source>
        <translation>Ellenőrizze az alábbi beállításokat, majd kattintson a Befejezés gombra a biztonsági mentés indításához.</translation>
    </message>
</context>
</TS>
