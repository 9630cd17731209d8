<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <translation>Siste sikkerhetskopi: %1</translation>
    </message>
    <message>
        <source>Skip files and folders whose names begin with a dot</source>
        <translation>Hopp over filer og mapper med navn som begynner med punktum</translation>
    </message>
    <message>
        <source>Please check your user name and password.</source>
        <translation>Kontroller brukernavnet og passordet ditt.</translation>
    </message>
    <message>
        <source>Skylet Backup</source>
        <translation>Skylet Backup</translation>
    </message>
    <message>
        <source>The automatic connection ID is invalid.</source>
        <translation>ID-en for automatisk tilkobling er ugyldig.</translation>
    </message>
    <message>
        <source>The selected backup folder is invalid. Please choose another folder.</source>
        <translation>Den valgte sikkerhetskopimappen er ugyldig. Velg en annen mappe.</translation>
    </message>
    <message>
        <source>Enter the address of your backup server and your account details.</source>
        <translation>Angi adressen til serveren for sikkerhetskopiering og kontoopplysningene dine.</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Brukernavn:</translation>
    </message>
    <message>
        <source>The backup direction of this task does not match the server settings.</source>
        <translation>Retningen for sikkerhetskopiering i denne oppgaven samsvarer ikke med serverinnstillingene.</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <translation>Angi bekreftelseskoden fra autentiseringsappen din:</translation>
    </message>
    <message>
        <source>The shared folder on the server has reached its quota.</source>
        <translation>Den delte mappen på serveren har nådd kvoten sin.</translation>
    </message>
    <message>
        <source>The server certificate could not be verified.</source>
        <translation>Serversertifikatet kunne ikke bekreftes.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Tilkobling</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxyserver</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fullfør</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avslutt</translation>
    </message>
    <message>
        <source>Choose the local folders to back up and where to store them on the server.</source>
        <translation>Velg de lokale mappene som skal sikkerhetskopieres, og hvor de skal lagres på serveren.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Fullført</translation>
    </message>
    <message>
        <source>The backup task on the server has been changed by another computer.</source>
        <translation>Sikkerhetskopieringsoppgaven på serveren er endret av en annen datamaskin.</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <translation>Finner ikke den lokale sikkerhetskopimappen.</translation>
    </message>
    <message>
        <source>Server address:</source>
        <translation>Serveradresse:</translation>
    </message>
    <message>
        <source>Need help? The online help explains every step of the setup.</source>
        <translation>Trenger du hjelp? Hjelpen på nettet forklarer hvert trinn i oppsettet.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The local database is damaged or cannot be opened.</source>
        <translation>Den lokale databasen er skadet eller kan ikke åpnes.</translation>
    </message>
    <message>
        <source>Your files, safely backed up.</source>
        <translation>Filene dine, trygt sikkerhetskopiert.</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Bruk et monokromt ikon i systemstatusfeltet</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted.</source>
        <translation>Den delte mappen på serveren er ikke montert.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fremdrift</translation>
    </message>
    <message>
        <source>Open Skylet Backup</source>
        <translation>Åpne Skylet Backup</translation>
    </message>
    <message>
        <source>The server sent a response that could not be understood.</source>
        <translation>Serveren sendte et svar som ikke kunne tolkes.</translation>
    </message>
    <message>
        <source>The backup folder is on a volume that is not mounted.</source>
        <translation>Sikkerhetskopimappen ligger på et volum som ikke er montert.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Koble fra</translation>
    </message>
    <message>
        <source>There is not enough free space on the local disk.</source>
        <translation>Det er ikke nok ledig plass på den lokale disken.</translation>
    </message>
    <message>
        <source>The home folder service is disabled for your account on the server.</source>
        <translation>Hjemmemappetjenesten er deaktivert for kontoen din på serveren.</translation>
    </message>
    <message>
        <source>Backup is up to date</source>
        <translation>Sikkerhetskopien er oppdatert</translation>
    </message>
    <message>
        <source>There is not enough free space for the selected folder.</source>
        <translation>Det er ikke nok ledig plass til den valgte mappen.</translation>
    </message>
    <message>
        <source>Skylet Backup keeps a copy of your files on your own server.</source>
        <translation>Skylet Backup lagrer en kopi av filene dine på din egen server.</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <translation>Sikkerhetskopieringen mislyktes.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Bane</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Manuell proxykonfigurasjon</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Mål</translation>
    </message>
    <message>
        <source>A verification code is required to sign in.</source>
        <translation>Du må ha en bekreftelseskode for å logge på.</translation>
    </message>
    <message>
        <source>Unlink this computer from the server? Backups already stored stay on the server.</source>
        <translation>Vil du koble denne datamaskinen fra serveren? Sikkerhetskopier som allerede er lagret, blir værende på serveren.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Gjenoppta</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passord:</translation>
    </message>
    <message>
        <source>Skylet Backup is initializing...</source>
        <translation>Skylet Backup starter opp...</translation>
    </message>
    <message>
        <source>No folder is selected. Please choose at least one folder to back up.</source>
        <translation>Ingen mappe er valgt. Velg minst én mappe som skal sikkerhetskopieres.</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>Bruk proxyinnstillingene for systemet</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Ikke nå</translation>
    </message>
    <message>
        <source>Local folders</source>
        <translation>Lokale mapper</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fil</translation>
    </message>
    <message>
        <source>Please enter a user name for the proxy server.</source>
        <translation>Angi et brukernavn for proxyserveren.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>The certificate of the server has changed since the last connection.</source>
        <translation>Serverens sertifikat er endret siden forrige tilkobling.</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Kobler fra...</translation>
    </message>
    <message>
        <source>Use a secure connection (SSL)</source>
        <translation>Bruk en sikker tilkobling (SSL)</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Versjon: %1</translation>
    </message>
    <message>
        <source>Transfer queue</source>
        <translation>Overføringskø</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Sett på pause</translation>
    </message>
    <message>
        <source>The source folder is read-only. Its files can be backed up but not restored into it.</source>
        <translation>Kildemappen er skrivebeskyttet. Filene i den kan sikkerhetskopieres, men ikke gjenopprettes til den.</translation>
    </message>
    <message>
        <source>This folder is read-only.</source>
        <translation>Denne mappen er skrivebeskyttet.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Feil</translation>
    </message>
    <message>
        <source>Backup paused</source>
        <translation>Sikkerhetskopiering satt på pause</translation>
    </message>
    <message>
        <source>Upgrade Skylet Backup</source>
        <translation>Oppgrader Skylet Backup</translation>
    </message>
    <message>
        <source>The new language takes effect after Skylet Backup restarts.</source>
        <translation>Det nye språket trer i kraft når Skylet Backup startes på nytt.</translation>
    </message>
    <message>
        <source>The proxy port must be a number from 1 to 65535.</source>
        <translation>Proxyporten må være et tall fra 1 til 65535.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Laster opp</translation>
    </message>
    <message>
        <source>The server certificate has changed. Make sure that you are connecting to the right server.</source>
        <translation>Serversertifikatet er endret. Kontroller at du kobler til riktig server.</translation>
    </message>
    <message>
        <source>The server does not accept connections from this IP address.</source>
        <translation>Serveren godtar ikke tilkoblinger fra denne IP-adressen.</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Tester tilkoblingen...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>Kunne ikke opprette en sikker tilkobling til serveren.</translation>
    </message>
    <message>
        <source>Not needed</source>
        <translation>Ikke nødvendig</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <translation>Koble til serveren din</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>Bekreftelseskoden er feil.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Velg</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <translation>Det finnes allerede en delt mappe med dette navnet.</translation>
    </message>
    <message>
        <source>This wizard helps you set up the backup of your computer.</source>
        <translation>Denne veiviseren hjelper deg med å konfigurere sikkerhetskopiering av datamaskinen din.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Kobler til...</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation>Deling aktivert</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>You do not have permission to access the selected folder.</source>
        <translation>Du har ikke tilgang til den valgte mappen.</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <translation>Lagringskvoten din på serveren er full.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Dobbeltklikk for å redigere filtypen.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsett</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <translation>Maksimal filstørrelse (MB):</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Sikkerhetskopierer...</translation>
    </message>
    <message>
        <source>The selected folder is larger than the quota left on the server.</source>
        <translation>Den valgte mappen er større enn gjenværende kvote på serveren.</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <translation>For mange mislykkede forsøk. Prøv igjen senere.</translation>
    </message>
    <message>
        <source>Enter 0 to back up files of any size.</source>
        <translation>Angi 0 for å sikkerhetskopiere filer uansett størrelse.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Det oppstod en uventet feil.</translation>
    </message>
    <message>
        <source>Skylet Backup could not be initialized.</source>
        <translation>Skylet Backup kunne ikke initialiseres.</translation>
    </message>
    <message>
        <source>The backup task on the server does not belong to this computer.</source>
        <translation>Sikkerhetskopieringsoppgaven på serveren tilhører ikke denne datamaskinen.</translation>
    </message>
    <message>
        <source>Choose a folder on the server:</source>
        <translation>Velg en mappe på serveren:</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <translation>Brukernavnet eller passordet er feil.</translation>
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
        <translation>Koble til likevel</translation>
    </message>
    <message>
        <source>Choose the folder on this computer that you want to back up.</source>
        <translation>Velg mappen på denne datamaskinen som du vil sikkerhetskopiere.</translation>
    </message>
    <message>
        <source>The server requires two-step verification for your account. Please turn it on first.</source>
        <translation>Serveren krever totrinnsbekreftelse for kontoen din. Slå den på først.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Neste</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Bruk</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Angi proxyadressen og porten.</translation>
    </message>
    <message>
        <source>Your account is disabled on the server.</source>
        <translation>Kontoen din er deaktivert på serveren.</translation>
    </message>
    <message>
        <source>This folder is already backed up by another task.</source>
        <translation>Denne mappen sikkerhetskopieres allerede av en annen oppgave.</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <translation>Det finnes ingen gyldig mappe å sikkerhetskopiere.</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked</source>
        <translation>Venter på at filen skal låses opp</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Ingen proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjelp</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server.</source>
        <translation>Serverversjonen støttes ikke. Oppdater serveren.</translation>
    </message>
    <message>
        <source>Choose a folder on this computer</source>
        <translation>Velg en mappe på denne datamaskinen</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <translation>Filer som er større enn denne størrelsen, sikkerhetskopieres ikke.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted locally</source>
        <translation>Behold filer på serveren når de slettes lokalt</translation>
    </message>
    <message>
        <source>The network is unavailable. Please check your connection.</source>
        <translation>Nettverket er ikke tilgjengelig. Kontroller tilkoblingen.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Choose source folders</source>
        <translation>Velg kildemapper</translation>
    </message>
    <message>
        <source>Read-only folders are backed up, but files cannot be restored into them.</source>
        <translation>Skrivebeskyttede mapper sikkerhetskopieres, men filer kan ikke gjenopprettes til dem.</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Sikkerhetsadvarsel</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Venter</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>Laster ned oppdateringen...</translation>
    </message>
    <message>
        <source>Welcome to Skylet Backup</source>
        <translation>Velkommen til Skylet Backup</translation>
    </message>
    <message>
        <source>Proxy user name:</source>
        <translation>Brukernavn for proxy:</translation>
    </message>
    <message>
        <source>Connect through the FarLink relay</source>
        <translation>Koble til via FarLink-reléet</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>The request could not be processed.</source>
        <translation>Forespørselen kunne ikke behandles.</translation>
    </message>
    <message>
        <source>The shared folder does not exist on the server.</source>
        <translation>Den delte mappen finnes ikke på serveren.</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <translation>Oppgradering av %1 mislyktes (feilkode: %2).</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Sammendrag</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Forbereder</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Alternativer</translation>
    </message>
    <message>
        <source>The selected folder on the server is read-only.</source>
        <translation>Den valgte mappen på serveren er skrivebeskyttet.</translation>
    </message>
    <message>
        <source>Backup stopped with errors</source>
        <translation>Sikkerhetskopieringen stoppet med feil</translation>
    </message>
    <message>
        <source>Click here to update Skylet Backup.</source>
        <translation>Klikk her for å oppdatere Skylet Backup.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Skrivebeskyttet</translation>
    </message>
    <message>
        <source>The server administrator does not allow automatic connections.</source>
        <translation>Serveradministratoren tillater ikke automatiske tilkoblinger.</translation>
    </message>
    <message>
        <source>The selected folder overlaps a folder that is already backed up.</source>
        <translation>Den valgte mappen overlapper en mappe som allerede sikkerhetskopieres.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avansert</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <translation>Behandler %1 fil(er)...</translation>
    </message>
    <message>
        <source>Excluded paths</source>
        <translation>Ekskluderte baner</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder.</source>
        <translation>Du har ikke tillatelse til å skrive til den delte mappen.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>Filer med disse filtypene sikkerhetskopieres ikke:</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <translation>Autentiseringen mislyktes.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Innstillinger</translation>
    </message>
    <message>
        <source>The upgrade failed.</source>
        <translation>Oppgraderingen mislyktes.</translation>
    </message>
    <message>
        <source>Searching for earlier backups on this computer...</source>
        <translation>Søker etter tidligere sikkerhetskopier på denne datamaskinen...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tilbake</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Start nå</translation>
    </message>
    <message>
        <source>Backing up %1</source>
        <translation>Sikkerhetskopierer %1</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>Proxyserveren krever autentisering</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Choose the folder to back up</source>
        <translation>Velg mappen som skal sikkerhetskopieres</translation>
    </message>
    <message>
        <source>A session with the server could not be created.</source>
        <translation>Kunne ikke opprette en økt med serveren.</translation>
    </message>
    <message>
        <source>Skylet Backup is ready.</source>
        <translation>Skylet Backup er klar.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>This version of Skylet Backup is no longer supported. Please upgrade.</source>
        <translation>Denne versjonen av Skylet Backup støttes ikke lenger. Oppgrader.</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <translation>Ekskluderte filtyper</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Tar i bruk innstillinger...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Oppdaterer...</translation>
    </message>
    <message>
        <source>Look for a backup made earlier on this computer</source>
        <translation>Se etter en sikkerhetskopi som er laget tidligere på denne datamaskinen</translation>
    </message>
    <message>
        <source>Start Skylet Backup when I log in</source>
        <translation>Start Skylet Backup når jeg logger på</translation>
    </message>
    <message>
        <source>Check the settings below, then click Done to start the backup.</source>
        <translation>Kontroller innstillingene nedenfor, og klikk deretter på Fullfør for å starte sikkerhetskopieringen.</translation>
    </message>
</context>
</TS>
