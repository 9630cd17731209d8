<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <translation>Laatste back-up: %1</translation>
    </message>
    <message>
        <source>Skip files and folders whose names begin with a dot</source>
        <translation>Bestanden en mappen overslaan waarvan de naam met een punt begint</translation>
    </message>
    <message>
        <source>Please check your user name and password.</source>
        <translation>Controleer uw gebruikersnaam en wachtwoord.</translation>
    </message>
    <message>
        <source>Skylet Backup</source>
        <translation>Skylet Backup</translation>
    </message>
    <message>
        <source>The automatic connection ID is invalid.</source>
        <translation>De ID voor automatische verbinding is ongeldig.</translation>
    </message>
    <message>
        <source>The selected backup folder is invalid. Please choose another folder.</source>
        <translation>De geselecteerde back-upmap is ongeldig. Kies een andere map.</translation>
    </message>
    <message>
        <source>Enter the address of your backup server and your account details.</source>
        <translation>Voer het adres van uw back-upserver en uw accountgegevens in.</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Gebruikersnaam:</translation>
    </message>
    <message>
        <source>The backup direction of this task does not match the server settings.</source>
        <translation>De back-uprichting van deze taak komt niet overeen met de serverinstellingen.</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <translation>Voer de verificatiecode uit uw authenticator-app in:</translation>
    </message>
    <message>
        <source>The shared folder on the server has reached its quota.</source>
        <translation>De gedeelde map op de server heeft het quotum bereikt.</translation>
    </message>
    <message>
        <source>The server certificate could not be verified.</source>
        <translation>Het servercertificaat kan niet worden geverifieerd.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Verbinding</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxyserver</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Voltooien</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Choose the local folders to back up and where to store them on the server.</source>
        <translation>Kies de lokale mappen waarvan u een back-up wilt maken en waar ze op de server worden opgeslagen.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Voltooid</translation>
    </message>
    <message>
        <source>The backup task on the server has been changed by another computer.</source>
        <translation>De back-uptaak op de server is door een andere computer gewijzigd.</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <translation>De lokale back-upmap kan niet worden gevonden.</translation>
    </message>
    <message>
        <source>Server address:</source>
        <translation>Serveradres:</translation>
    </message>
    <message>
        <source>Need help? The online help explains every step of the setup.</source>
        <translation>Hulp nodig? De online help beschrijft elke stap van de configuratie.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The local database is damaged or cannot be opened.</source>
        <translation>De lokale database is beschadigd of kan niet worden geopend.</translation>
    </message>
    <message>
        <source>Your files, safely backed up.</source>
        <translation>Uw bestanden, veilig in een back-up.</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Monochroom systeemvakpictogram gebruiken</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted.</source>
        <translation>De gedeelde map op de server is niet gekoppeld.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Voortgang</translation>
    </message>
    <message>
        <source>Open Skylet Backup</source>
        <translation>Skylet Backup openen</translation>
    </message>
    <message>
        <source>The server sent a response that could not be understood.</source>
        <translation>De server heeft een onbegrijpelijk antwoord gestuurd.</translation>
    </message>
    <message>
        <source>The backup folder is on a volume that is not mounted.</source>
        <translation>De back-upmap staat op een volume dat niet is gekoppeld.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Ontkoppelen</translation>
    </message>
    <message>
        <source>There is not enough free space on the local disk.</source>
        <translation>Er is onvoldoende vrije ruimte op de lokale schijf.</translation>
    </message>
    <message>
        <source>The home folder service is disabled for your account on the server.</source>
        <translation>De thuismapservice is op de server uitgeschakeld voor uw account.</translation>
    </message>
    <message>
        <source>Backup is up to date</source>
        <translation>Back-up is actueel</translation>
    </message>
    <message>
        <source>There is not enough free space for the selected folder.</source>
        <translation>Er is onvoldoende vrije ruimte voor de geselecteerde map.</translation>
    </message>
    <message>
        <source>Skylet Backup keeps a copy of your files on your own server.</source>
        <translation>Skylet Backup bewaart een kopie van uw bestanden op uw eigen server.</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <translation>De back-up is mislukt.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pad</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Handmatige proxyconfiguratie</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Bestemming</translation>
    </message>
    <message>
        <source>A verification code is required to sign in.</source>
        <translation>Er is een verificatiecode nodig om u aan te melden.</translation>
    </message>
    <message>
        <source>Unlink this computer from the server? Backups already stored stay on the server.</source>
        <translation>Deze computer ontkoppelen van de server? Reeds opgeslagen back-ups blijven op de server staan.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Hervatten</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Wachtwoord:</translation>
    </message>
    <message>
        <source>Skylet Backup is initializing...</source>
        <translation>Skylet Backup is bezig met initialisatie...</translation>
    </message>
    <message>
        <source>No folder is selected. Please choose at least one folder to back up.</source>
        <translation>Er is geen map geselecteerd. Kies ten minste één map om een back-up van te maken.</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>Proxy-instellingen van het systeem gebruiken</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Niet nu</translation>
    </message>
    <message>
        <source>Local folders</source>
        <translation>Lokale mappen</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>Please enter a user name for the proxy server.</source>
        <translation>Voer een gebruikersnaam in voor de proxyserver.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filters</translation>
    </message>
    <message>
        <source>The certificate of the server has changed since the last connection.</source>
        <translation>Het certificaat van de server is gewijzigd sinds de laatste verbinding.</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Ontkoppelen...</translation>
    </message>
    <message>
        <source>Use a secure connection (SSL)</source>
        <translation>Een beveiligde verbinding gebruiken (SSL)</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Versie: %1</translation>
    </message>
    <message>
        <source>Transfer queue</source>
        <translation>Overdrachtswachtrij</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauzeren</translation>
    </message>
    <message>
        <source>The source folder is read-only. Its files can be backed up but not restored into it.</source>
        <translation>De bronmap is alleen-lezen. Van de bestanden kan een back-up worden gemaakt, maar ze kunnen er niet in worden hersteld.</translation>
    </message>
    <message>
        <source>This folder is read-only.</source>
        <translation>Deze map is alleen-lezen.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Backup paused</source>
        <translation>Back-up gepauzeerd</translation>
    </message>
    <message>
        <source>Upgrade Skylet Backup</source>
        <translation>Skylet Backup upgraden</translation>
    </message>
    <message>
        <source>The new language takes effect after Skylet Backup restarts.</source>
        <translation>De nieuwe taal wordt actief nadat Skylet Backup opnieuw is gestart.</translation>
    </message>
    <message>
        <source>The proxy port must be a number from 1 to 65535.</source>
        <translation>De proxypoort moet een getal van 1 tot en met 65535 zijn.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Uploaden</translation>
    </message>
    <message>
        <source>The server certificate has changed. Make sure that you are connecting to the right server.</source>
        <translation>Het servercertificaat is gewijzigd. Controleer of u verbinding maakt met de juiste server.</translation>
    </message>
    <message>
        <source>The server does not accept connections from this IP address.</source>
        <translation>De server accepteert geen verbindingen vanaf dit IP-adres.</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>De verbinding wordt getest...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>Er kan geen beveiligde verbinding met de server tot stand worden gebracht.</translation>
    </message>
    <message>
        <source>Not needed</source>
        <translation>Niet nodig</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Poort:</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <translation>Verbinding maken met uw server</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>De verificatiecode is onjuist.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Selecteren</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <translation>Er bestaat al een gedeelde map met deze naam.</translation>
    </message>
    <message>
        <source>This wizard helps you set up the backup of your computer.</source>
        <translation>Met deze wizard stelt u de back-up van uw computer in.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Verbinding maken...</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation>Delen ingeschakeld</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>You do not have permission to access the selected folder.</source>
        <translation>U hebt geen toegangsrechten voor de geselecteerde map.</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <translation>Uw opslagquotum op de server is vol.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Dubbelklik om de bestandsextensie te bewerken.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Doorgaan</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <translation>Maximale bestandsgrootte (MB):</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Back-up maken...</translation>
    </message>
    <message>
        <source>The selected folder is larger than the quota left on the server.</source>
        <translation>De geselecteerde map is groter dan het resterende quotum op de server.</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <translation>Te veel mislukte pogingen. Probeer het later opnieuw.</translation>
    </message>
    <message>
        <source>Enter 0 to back up files of any size.</source>
        <translation>Voer 0 in om een back-up te maken van bestanden van elke grootte.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Er is een onverwachte fout opgetreden.</translation>
    </message>
    <message>
        <source>Skylet Backup could not be initialized.</source>
        <translation>Skylet Backup kan niet worden geïnitialiseerd.</translation>
    </message>
    <message>
        <source>The backup task on the server does not belong to this computer.</source>
        <translation>De back-uptaak op de server hoort niet bij deze computer.</translation>
    </message>
    <message>
        <source>Choose a folder on the server:</source>
        <translation>Kies een map op de server:</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <translation>De gebruikersnaam of het wachtwoord is onjuist.</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Taal:</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Systeemstandaard</translation>
    </message>
    <message>
        <source>Connect anyway</source>
        <translation>Toch verbinden</translation>
    </message>
    <message>
        <source>Choose the folder on this computer that you want to back up.</source>
        <translation>Kies de map op deze computer waarvan u een back-up wilt maken.</translation>
    </message>
    <message>
        <source>The server requires two-step verification for your account. Please turn it on first.</source>
        <translation>De server vereist verificatie in twee stappen voor uw account. Schakel deze eerst in.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Volgende</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Toepassen</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Voer het proxyadres en de poort in.</translation>
    </message>
    <message>
        <source>Your account is disabled on the server.</source>
        <translation>Uw account is op de server uitgeschakeld.</translation>
    </message>
    <message>
        <source>This folder is already backed up by another task.</source>
        <translation>Van deze map wordt al een back-up gemaakt door een andere taak.</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <translation>Er is geen geldige map om een back-up van te maken.</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked</source>
        <translation>Wachten tot het bestand wordt ontgrendeld</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Geen proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server.</source>
        <translation>De serverversie wordt niet ondersteund. Werk de server bij.</translation>
    </message>
    <message>
        <source>Choose a folder on this computer</source>
        <translation>Kies een map op deze computer</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <translation>Van bestanden die groter zijn dan deze grootte wordt geen back-up gemaakt.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted locally</source>
        <translation>Bestanden op de server bewaren als ze lokaal worden verwijderd</translation>
    </message>
    <message>
        <source>The network is unavailable. Please check your connection.</source>
        <translation>Het netwerk is niet beschikbaar. Controleer uw verbinding.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Choose source folders</source>
        <translation>Bronmappen kiezen</translation>
    </message>
    <message>
        <source>Read-only folders are backed up, but files cannot be restored into them.</source>
        <translation>Van alleen-lezen mappen wordt een back-up gemaakt, maar bestanden kunnen er niet in worden hersteld.</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adres:</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Beveiligingswaarschuwing</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Wachten</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>De update wordt gedownload...</translation>
    </message>
    <message>
        <source>Welcome to Skylet Backup</source>
        <translation>Welkom bij Skylet Backup</translation>
    </message>
    <message>
        <source>Proxy user name:</source>
        <translation>Gebruikersnaam voor proxy:</translation>
    </message>
    <message>
        <source>Connect through the FarLink relay</source>
        <translation>Verbinden via de FarLink-relayserver</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>The request could not be processed.</source>
        <translation>De aanvraag kan niet worden verwerkt.</translation>
    </message>
    <message>
        <source>The shared folder does not exist on the server.</source>
        <translation>De gedeelde map bestaat niet op de server.</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <translation>Upgrade van %1 is mislukt (foutcode: %2).</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Samenvatting</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Voorbereiden</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>The selected folder on the server is read-only.</source>
        <translation>De geselecteerde map op de server is alleen-lezen.</translation>
    </message>
    <message>
        <source>Backup stopped with errors</source>
        <translation>Back-up gestopt met fouten</translation>
    </message>
    <message>
        <source>Click here to update Skylet Backup.</source>
        <translation>Klik hier om Skylet Backup bij te werken.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Alleen-lezen</translation>
    </message>
    <message>
        <source>The server administrator does not allow automatic connections.</source>
        <translation>De serverbeheerder staat geen automatische verbindingen toe.</translation>
    </message>
    <message>
        <source>The selected folder overlaps a folder that is already backed up.</source>
        <translation>De geselecteerde map overlapt met een map waarvan al een back-up wordt gemaakt.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Geavanceerd</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <translation>%1 bestand(en) verwerken...</translation>
    </message>
    <message>
        <source>Excluded paths</source>
        <translation>Uitgesloten paden</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder.</source>
        <translation>U hebt geen schrijfrechten voor de gedeelde map.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>Van bestanden met deze extensies wordt geen back-up gemaakt:</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <translation>Authenticatie mislukt.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>The upgrade failed.</source>
        <translation>De upgrade is mislukt.</translation>
    </message>
    <message>
        <source>Searching for earlier backups on this computer...</source>
        <translation>Zoeken naar eerdere back-ups op deze computer...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Vorige</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Nu starten</translation>
    </message>
    <message>
        <source>Backing up %1</source>
        <translation>Back-up maken van %1</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>De proxyserver vereist authenticatie</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Choose the folder to back up</source>
        <translation>Kies de map voor de back-up</translation>
    </message>
    <message>
        <source>A session with the server could not be created.</source>
        <translation>Er kan geen sessie met de server worden gemaakt.</translation>
    </message>
    <message>
        <source>Skylet Backup is ready.</source>
        <translation>Skylet Backup is gereed.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>This version of Skylet Backup is no longer supported. Please upgrade.</source>
        <translation>Deze versie van Skylet Backup wordt niet meer ondersteund. Voer een upgrade uit.</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <translation>Uitgesloten bestandsextensies</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Instellingen toepassen...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Bijwerken...</translation>
    </message>
    <message>
        <source>Look for a backup made earlier on this computer</source>
        <translation>Zoeken naar een eerder gemaakte back-up op deze computer</translation>
    </message>
    <message>
        <source>Start Skylet Backup when I log in</source>
        <translation>Skylet Backup starten wanneer ik me aanmeld</translation>
    </message>
    <message>
        <source>Check the settings below, then click Done to start the backup.</source>
        <translation>Controleer de onderstaande instellingen en klik op Voltooien om de back-up te starten.</translation>
    </message>
</context>
</TS>
