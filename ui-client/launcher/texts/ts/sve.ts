<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <translation>Senaste säkerhetskopia: %1</translation>
    </message>
    <message>
        <source>Skip files and folders whose names begin with a dot</source>
        <translation>Hoppa över filer och mappar vars namn börjar med en punkt</translation>
    </message>
    <message>
        <source>Please check your user name and password.</source>
        <translation>Kontrollera ditt användarnamn och lösenord.</translation>
    </message>
    <message>
        <source>Skylet Backup</source>
        <translation>Skylet Backup</translation>
    </message>
    <message>
        <source>The automatic connection ID is invalid.</source>
        <translation>ID:t för automatisk anslutning är ogiltigt.</translation>
    </message>
    <message>
        <source>The selected backup folder is invalid. Please choose another folder.</source>
        <translation>Den valda mappen för säkerhetskopior är ogiltig. Välj en annan mapp.</translation>
    </message>
    <message>
        <source>Enter the address of your backup server and your account details.</source>
        <translation>Ange adressen till din server för säkerhetskopiering och dina kontouppgifter.</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Användarnamn:</translation>
    </message>
    <message>
        <source>The backup direction of this task does not match the server settings.</source>
        <translation>Riktningen för säkerhetskopiering i den här uppgiften stämmer inte med serverns inställningar.</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <translation>Ange verifieringskoden från din autentiseringsapp:</translation>
    </message>
    <message>
        <source>The shared folder on the server has reached its quota.</source>
        <translation>Den delade mappen på servern har nått sin kvot.</translation>
    </message>
    <message>
        <source>The server certificate could not be verified.</source>
        <translation>Servercertifikatet kunde inte verifieras.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Anslutning</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxyserver</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Slutför</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>Choose the local folders to back up and where to store them on the server.</source>
        <translation>Välj de lokala mappar som ska säkerhetskopieras och var de ska lagras på servern.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Slutförd</translation>
    </message>
    <message>
        <source>The backup task on the server has been changed by another computer.</source>
        <translation>Säkerhetskopieringsuppgiften på servern har ändrats av en annan dator.</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <translation>Den lokala mappen för säkerhetskopior hittades inte.</translation>
    </message>
    <message>
        <source>Server address:</source>
        <translation>Serveradress:</translation>
    </message>
    <message>
        <source>Need help? The online help explains every step of the setup.</source>
        <translation>Behöver du hjälp? Onlinehjälpen förklarar varje steg i konfigurationen.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The local database is damaged or cannot be opened.</source>
        <translation>Den lokala databasen är skadad eller kan inte öppnas.</translation>
    </message>
    <message>
        <source>Your files, safely backed up.</source>
        <translation>Dina filer, tryggt säkerhetskopierade.</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Använd en monokrom ikon i meddelandefältet</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted.</source>
        <translation>Den delade mappen på servern är inte monterad.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Förlopp</translation>
    </message>
    <message>
        <source>Open Skylet Backup</source>
        <translation>Öppna Skylet Backup</translation>
    </message>
    <message>
        <source>The server sent a response that could not be understood.</source>
        <translation>Servern skickade ett svar som inte kunde tolkas.</translation>
    </message>
    <message>
        <source>The backup folder is on a volume that is not mounted.</source>
        <translation>Mappen för säkerhetskopior ligger på en volym som inte är monterad.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Koppla bort</translation>
    </message>
    <message>
        <source>There is not enough free space on the local disk.</source>
        <translation>Det finns inte tillräckligt med ledigt utrymme på den lokala disken.</translation>
    </message>
    <message>
        <source>The home folder service is disabled for your account on the server.</source>
        <translation>Tjänsten för hemmappar är inaktiverad för ditt konto på servern.</translation>
    </message>
    <message>
        <source>Backup is up to date</source>
        <translation>Säkerhetskopian är aktuell</translation>
    </message>
    <message>
        <source>There is not enough free space for the selected folder.</source>
        <translation>Det finns inte tillräckligt med ledigt utrymme för den valda mappen.</translation>
    </message>
    <message>
        <source>Skylet Backup keeps a copy of your files on your own server.</source>
        <translation>Skylet Backup sparar en kopia av dina filer på din egen server.</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <translation>Säkerhetskopieringen misslyckades.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Sökväg</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Manuell proxykonfiguration</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Mål</translation>
    </message>
    <message>
        <source>A verification code is required to sign in.</source>
        <translation>En verifieringskod krävs för att logga in.</translation>
    </message>
    <message>
        <source>Unlink this computer from the server? Backups already stored stay on the server.</source>
        <translation>Vill du koppla bort den här datorn från servern? Säkerhetskopior som redan har lagrats finns kvar på servern.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Återuppta</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Lösenord:</translation>
    </message>
    <message>
        <source>Skylet Backup is initializing...</source>
        <translation>Skylet Backup initialiserar...</translation>
    </message>
    <message>
        <source>No folder is selected. Please choose at least one folder to back up.</source>
        <translation>Ingen mapp har valts. Välj minst en mapp att säkerhetskopiera.</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>Använd systemets proxyinställningar</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Inte nu</translation>
    </message>
    <message>
        <source>Local folders</source>
        <translation>Lokala mappar</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fil</translation>
    </message>
    <message>
        <source>Please enter a user name for the proxy server.</source>
        <translation>Ange ett användarnamn för proxyservern.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtrering</translation>
    </message>
    <message>
        <source>The certificate of the server has changed since the last connection.</source>
        <translation>Serverns certifikat har ändrats sedan den senaste anslutningen.</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Kopplar bort...</translation>
    </message>
    <message>
        <source>Use a secure connection (SSL)</source>
        <translation>Använd en säker anslutning (SSL)</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Version: %1</translation>
    </message>
    <message>
        <source>Transfer queue</source>
        <translation>Överföringskö</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>The source folder is read-only. Its files can be backed up but not restored into it.</source>
        <translation>Källmappen är skrivskyddad. Dess filer kan säkerhetskopieras men inte återställas till den.</translation>
    </message>
    <message>
        <source>This folder is read-only.</source>
        <translation>Den här mappen är skrivskyddad.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>Backup paused</source>
        <translation>Säkerhetskopieringen har pausats</translation>
    </message>
    <message>
        <source>Upgrade Skylet Backup</source>
        <translation>Uppgradera Skylet Backup</translation>
    </message>
    <message>
        <source>The new language takes effect after Skylet Backup restarts.</source>
        <translation>Det nya språket börjar gälla när Skylet Backup har startats om.</translation>
    </message>
    <message>
        <source>The proxy port must be a number from 1 to 65535.</source>
        <translation>Proxyporten måste vara ett tal från 1 till 65535.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Laddar upp</translation>
    </message>
    <message>
        <source>The server certificate has changed. Make sure that you are connecting to the right server.</source>
        <translation>Servercertifikatet har ändrats. Kontrollera att du ansluter till rätt server.</translation>
    </message>
    <message>
        <source>The server does not accept connections from this IP address.</source>
        <translation>Servern accepterar inte anslutningar från den här IP-adressen.</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Testar anslutningen...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>Det gick inte att upprätta en säker anslutning till servern.</translation>
    </message>
    <message>
        <source>Not needed</source>
        <translation>Behövs inte</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <translation>Anslut till din server</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>Verifieringskoden är felaktig.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Välj</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <translation>Det finns redan en delad mapp med det här namnet.</translation>
    </message>
    <message>
        <source>This wizard helps you set up the backup of your computer.</source>
        <translation>Den här guiden hjälper dig att konfigurera säkerhetskopieringen av datorn.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Ansluter...</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation>Delning aktiverad</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>You do not have permission to access the selected folder.</source>
        <translation>Du har inte behörighet till den valda mappen.</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <translation>Din lagringskvot på servern är full.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Dubbelklicka för att redigera filnamnstillägget.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsätt</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <translation>Maximal filstorlek (MB):</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Säkerhetskopierar...</translation>
    </message>
    <message>
        <source>The selected folder is larger than the quota left on the server.</source>
        <translation>Den valda mappen är större än den återstående kvoten på servern.</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <translation>För många misslyckade försök. Försök igen senare.</translation>
    </message>
    <message>
        <source>Enter 0 to back up files of any size.</source>
        <translation>Ange 0 för att säkerhetskopiera filer oavsett storlek.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Ett oväntat fel uppstod.</translation>
    </message>
    <message>
        <source>Skylet Backup could not be initialized.</source>
        <translation>Skylet Backup kunde inte initialiseras.</translation>
    </message>
    <message>
        <source>The backup task on the server does not belong to this computer.</source>
        <translation>Säkerhetskopieringsuppgiften på servern tillhör inte den här datorn.</translation>
    </message>
    <message>
        <source>Choose a folder on the server:</source>
        <translation>Välj en mapp på servern:</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <translation>Användarnamnet eller lösenordet är felaktigt.</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Språk:</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>Connect anyway</source>
        <translation>Anslut ändå</translation>
    </message>
    <message>
        <source>Choose the folder on this computer that you want to back up.</source>
        <translation>Välj den mapp på den här datorn som du vill säkerhetskopiera.</translation>
    </message>
    <message>
        <source>The server requires two-step verification for your account. Please turn it on first.</source>
        <translation>Servern kräver tvåstegsverifiering för ditt konto. Aktivera den först.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nästa</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Verkställ</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Ange proxyadressen och porten.</translation>
    </message>
    <message>
        <source>Your account is disabled on the server.</source>
        <translation>Ditt konto är inaktiverat på servern.</translation>
    </message>
    <message>
        <source>This folder is already backed up by another task.</source>
        <translation>Den här mappen säkerhetskopieras redan av en annan uppgift.</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <translation>Det finns ingen giltig mapp att säkerhetskopiera.</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked</source>
        <translation>Väntar på att filen ska låsas upp</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Ingen proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjälp</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server.</source>
        <translation>Serverversionen stöds inte. Uppdatera servern.</translation>
    </message>
    <message>
        <source>Choose a folder on this computer</source>
        <translation>Välj en mapp på den här datorn</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <translation>Filer som är större än den här storleken säkerhetskopieras inte.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted locally</source>
        <translation>Behåll filer på servern när de tas bort lokalt</translation>
    </message>
    <message>
        <source>The network is unavailable. Please check your connection.</source>
        <translation>Nätverket är inte tillgängligt. Kontrollera anslutningen.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Choose source folders</source>
        <translation>Välj källmappar</translation>
    </message>
    <message>
        <source>Read-only folders are backed up, but files cannot be restored into them.</source>
        <translation>Skrivskyddade mappar säkerhetskopieras, men filer kan inte återställas till dem.</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adress:</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Säkerhetsvarning</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Väntar</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>Hämtar uppdateringen...</translation>
    </message>
    <message>
        <source>Welcome to Skylet Backup</source>
        <translation>Välkommen till Skylet Backup</translation>
    </message>
    <message>
        <source>Proxy user name:</source>
        <translation>Användarnamn för proxy:</translation>
    </message>
    <message>
        <source>Connect through the FarLink relay</source>
        <translation>Anslut via FarLink-reläet</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>The request could not be processed.</source>
        <translation>Begäran kunde inte behandlas.</translation>
    </message>
    <message>
        <source>The shared folder does not exist on the server.</source>
        <translation>Den delade mappen finns inte på servern.</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <translation>Uppgraderingen av %1 misslyckades (felkod: %2).</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Sammanfattning</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Förbereder</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Alternativ</translation>
    </message>
    <message>
        <source>The selected folder on the server is read-only.</source>
        <translation>Den valda mappen på servern är skrivskyddad.</translation>
    </message>
    <message>
        <source>Backup stopped with errors</source>
        <translation>Säkerhetskopieringen stoppades med fel</translation>
    </message>
    <message>
        <source>Click here to update Skylet Backup.</source>
        <translation>Klicka här för att uppdatera Skylet Backup.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Skrivskyddad</translation>
    </message>
    <message>
        <source>The server administrator does not allow automatic connections.</source>
        <translation>Serveradministratören tillåter inte automatiska anslutningar.</translation>
    </message>
    <message>
        <source>The selected folder overlaps a folder that is already backed up.</source>
        <translation>Den valda mappen överlappar en mapp som redan säkerhetskopieras.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancerat</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <translation>Bearbetar %1 fil(er)...</translation>
    </message>
    <message>
        <source>Excluded paths</source>
        <translation>Undantagna sökvägar</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder.</source>
        <translation>Du har inte behörighet att skriva till den delade mappen.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>Filer med dessa filnamnstillägg säkerhetskopieras inte:</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <translation>Autentiseringen misslyckades.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Inställningar</translation>
    </message>
    <message>
        <source>The upgrade failed.</source>
        <translation>Uppgraderingen misslyckades.</translation>
    </message>
    <message>
        <source>Searching for earlier backups on this computer...</source>
        <translation>Söker efter tidigare säkerhetskopior på den här datorn...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tillbaka</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Starta nu</translation>
    </message>
    <message>
        <source>Backing up %1</source>
        <translation>Säkerhetskopierar %1</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>Proxyservern kräver autentisering</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Choose the folder to back up</source>
        <translation>Välj mappen som ska säkerhetskopieras</translation>
    </message>
    <message>
        <source>A session with the server could not be created.</source>
        <translation>Det gick inte att skapa en session med servern.</translation>
    </message>
    <message>
        <source>Skylet Backup is ready.</source>
        <translation>Skylet Backup är klar.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>This version of Skylet Backup is no longer supported. Please upgrade.</source>
        <translation>Den här versionen av Skylet Backup stöds inte längre. Uppgradera.</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <translation>Undantagna filnamnstillägg</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Tillämpar inställningar...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Uppdaterar...</translation>
    </message>
    <message>
        <source>Look for a backup made earlier on this computer</source>
        <translation>Sök efter en säkerhetskopia som gjorts tidigare på den här datorn</translation>
    </message>
    <message>
        <source>Start Skylet Backup when I log in</source>
        <translation>Starta Skylet Backup när jag loggar in</translation>
    </message>
    <message>
        <source>Check the settings below, then click Done to start the backup.</source>
        <translation>Kontrollera inställningarna nedan och klicka sedan på Slutför för att starta säkerhetskopieringen.</translation>
    </message>
</context>
</TS>
