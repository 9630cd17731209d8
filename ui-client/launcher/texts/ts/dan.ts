<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <translation>Seneste sikkerhedskopi: %1</translation>
    </message>
    <message>
        <source>Skip files and folders whose names begin with a dot</source>
        <translation>Spring filer og mapper over, hvis navne begynder med et punktum</translation>
    </message>
    <message>
        <source>Please check your user name and password.</source>
        <translation>Kontrollér dit brugernavn og din adgangskode.</translation>
    </message>
    <message>
        <source>Skylet Backup</source>
        <translation>Skylet Backup</translation>
    </message>
    <message>
        <source>The automatic connection ID is invalid.</source>
        <translation>Id'et til automatisk forbindelse er ugyldigt.</translation>
    </message>
    <message>
        <source>The selected backup folder is invalid. Please choose another folder.</source>
        <translation>Den valgte sikkerhedskopimappe er ugyldig. Vælg en anden mappe.</translation>
    </message>
    <message>
        <source>Enter the address of your backup server and your account details.</source>
        <translation>Angiv adressen på din server til sikkerhedskopiering og dine kontooplysninger.</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Brugernavn:</translation>
    </message>
    <message>
        <source>The backup direction of this task does not match the server settings.</source>
        <translation>Retningen for sikkerhedskopiering i denne opgave stemmer ikke overens med serverens indstillinger.</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <translation>Angiv bekræftelseskoden fra din godkendelsesapp:</translation>
    </message>
    <message>
        <source>The shared folder on the server has reached its quota.</source>
        <translation>Den delte mappe på serveren har nået sin kvote.</translation>
    </message>
    <message>
        <source>The server certificate could not be verified.</source>
        <translation>Servercertifikatet kunne ikke bekræftes.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Forbindelse</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxyserver</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Udfør</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afslut</translation>
    </message>
    <message>
        <source>Choose the local folders to back up and where to store them on the server.</source>
        <translation>Vælg de lokale mapper, der skal sikkerhedskopieres, og hvor de skal gemmes på serveren.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Fuldført</translation>
    </message>
    <message>
        <source>The backup task on the server has been changed by another computer.</source>
        <translation>Sikkerhedskopieringsopgaven på serveren er blevet ændret af en anden computer.</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <translation>Den lokale sikkerhedskopimappe blev ikke fundet.</translation>
    </message>
    <message>
        <source>Server address:</source>
        <translation>Serveradresse:</translation>
    </message>
    <message>
        <source>Need help? The online help explains every step of the setup.</source>
        <translation>Brug for hjælp? Onlinehjælpen forklarer hvert trin i opsætningen.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The local database is damaged or cannot be opened.</source>
        <translation>Den lokale database er beskadiget eller kan ikke åbnes.</translation>
    </message>
    <message>
        <source>Your files, safely backed up.</source>
        <translation>Dine filer, trygt sikkerhedskopieret.</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Brug et monokromt ikon i meddelelsesområdet</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted.</source>
        <translation>Den delte mappe på serveren er ikke monteret.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Forløb</translation>
    </message>
    <message>
        <source>Open Skylet Backup</source>
        <translation>Åbn Skylet Backup</translation>
    </message>
    <message>
        <source>The server sent a response that could not be understood.</source>
        <translation>Serveren sendte et svar, der ikke kunne forstås.</translation>
    </message>
    <message>
        <source>The backup folder is on a volume that is not mounted.</source>
        <translation>Sikkerhedskopimappen ligger på en diskenhed, der ikke er monteret.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Fjern tilknytning</translation>
    </message>
    <message>
        <source>There is not enough free space on the local disk.</source>
        <translation>Der er ikke nok ledig plads på den lokale disk.</translation>
    </message>
    <message>
        <source>The home folder service is disabled for your account on the server.</source>
        <translation>Tjenesten for hjemmemapper er deaktiveret for din konto på serveren.</translation>
    </message>
    <message>
        <source>Backup is up to date</source>
        <translation>Sikkerhedskopien er opdateret</translation>
    </message>
    <message>
        <source>There is not enough free space for the selected folder.</source>
        <translation>Der er ikke nok ledig plads til den valgte mappe.</translation>
    </message>
    <message>
        <source>Skylet Backup keeps a copy of your files on your own server.</source>
        <translation>Skylet Backup gemmer en kopi af dine filer på din egen server.</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <translation>Sikkerhedskopieringen mislykkedes.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Sti</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Manuel proxykonfiguration</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Mål</translation>
    </message>
    <message>
        <source>A verification code is required to sign in.</source>
        <translation>Der kræves en bekræftelseskode for at logge på.</translation>
    </message>
    <message>
        <source>Unlink this computer from the server? Backups already stored stay on the server.</source>
        <translation>Vil du fjerne denne computers tilknytning til serveren? Sikkerhedskopier, der allerede er gemt, forbliver på serveren.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Genoptag</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Adgangskode:</translation>
    </message>
    <message>
        <source>Skylet Backup is initializing...</source>
        <translation>Skylet Backup initialiserer...</translation>
    </message>
    <message>
        <source>No folder is selected. Please choose at least one folder to back up.</source>
        <translation>Der er ikke valgt nogen mappe. Vælg mindst én mappe, der skal sikkerhedskopieres.</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>Brug systemets proxyindstillinger</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Ikke nu</translation>
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
        <translation>Angiv et brugernavn til proxyserveren.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>The certificate of the server has changed since the last connection.</source>
        <translation>Serverens certifikat er ændret siden sidste forbindelse.</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Fjerner tilknytning...</translation>
    </message>
    <message>
        <source>Use a secure connection (SSL)</source>
        <translation>Brug en sikker forbindelse (SSL)</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Version: %1</translation>
    </message>
    <message>
        <source>Transfer queue</source>
        <translation>Overførselskø</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Sæt på pause</translation>
    </message>
    <message>
        <source>The source folder is read-only. Its files can be backed up but not restored into it.</source>
        <translation>Kildemappen er skrivebeskyttet. Dens filer kan sikkerhedskopieres, men ikke gendannes til den.</translation>
    </message>
    <message>
        <source>This folder is read-only.</source>
        <translation>Denne mappe er skrivebeskyttet.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fejl</translation>
    </message>
    <message>
        <source>Backup paused</source>
        <translation>Sikkerhedskopiering sat på pause</translation>
    </message>
    <message>
        <source>Upgrade Skylet Backup</source>
        <translation>Opgrader Skylet Backup</translation>
    </message>
    <message>
        <source>The new language takes effect after Skylet Backup restarts.</source>
        <translation>Det nye sprog træder i kraft, når Skylet Backup genstarter.</translation>
    </message>
    <message>
        <source>The proxy port must be a number from 1 to 65535.</source>
        <translation>Proxyporten skal være et tal fra 1 til 65535.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Uploader</translation>
    </message>
    <message>
        <source>The server certificate has changed. Make sure that you are connecting to the right server.</source>
        <translation>Servercertifikatet er ændret. Sørg for, at du opretter forbindelse til den rigtige server.</translation>
    </message>
    <message>
        <source>The server does not accept connections from this IP address.</source>
        <translation>Serveren accepterer ikke forbindelser fra denne IP-adresse.</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Tester forbindelsen...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>Der kunne ikke oprettes en sikker forbindelse til serveren.</translation>
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
        <translation>Opret forbindelse til din server</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>Bekræftelseskoden er forkert.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Vælg</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <translation>Der findes allerede en delt mappe med dette navn.</translation>
    </message>
    <message>
        <source>This wizard helps you set up the backup of your computer.</source>
        <translation>Denne guide hjælper dig med at konfigurere sikkerhedskopieringen af din computer.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Opretter forbindelse...</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation>Deling aktiveret</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>You do not have permission to access the selected folder.</source>
        <translation>Du har ikke tilladelse til at få adgang til den valgte mappe.</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <translation>Din lagerkvote på serveren er opbrugt.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Dobbeltklik for at redigere filtypenavnet.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsæt</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <translation>Maksimal filstørrelse (MB):</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Sikkerhedskopierer...</translation>
    </message>
    <message>
        <source>The selected folder is larger than the quota left on the server.</source>
        <translation>Den valgte mappe er større end den resterende kvote på serveren.</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <translation>For mange mislykkede forsøg. Prøv igen senere.</translation>
    </message>
    <message>
        <source>Enter 0 to back up files of any size.</source>
        <translation>Angiv 0 for at sikkerhedskopiere filer af enhver størrelse.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Der opstod en uventet fejl.</translation>
    </message>
    <message>
        <source>Skylet Backup could not be initialized.</source>
        <translation>Skylet Backup kunne ikke initialiseres.</translation>
    </message>
    <message>
        <source>The backup task on the server does not belong to this computer.</source>
        <translation>Sikkerhedskopieringsopgaven på serveren tilhører ikke denne computer.</translation>
    </message>
    <message>
        <source>Choose a folder on the server:</source>
        <translation>Vælg en mappe på serveren:</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <translation>Brugernavnet eller adgangskoden er forkert.</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Sprog:</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>Connect anyway</source>
        <translation>Opret forbindelse alligevel</translation>
    </message>
    <message>
        <source>Choose the folder on this computer that you want to back up.</source>
        <translation>Vælg den mappe på denne computer, som du vil sikkerhedskopiere.</translation>
    </message>
    <message>
        <source>The server requires two-step verification for your account. Please turn it on first.</source>
        <translation>Serveren kræver totrinsbekræftelse for din konto. Aktivér den først.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Næste</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anvend</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Angiv proxyadressen og porten.</translation>
    </message>
    <message>
        <source>Your account is disabled on the server.</source>
        <translation>Din konto er deaktiveret på serveren.</translation>
    </message>
    <message>
        <source>This folder is already backed up by another task.</source>
        <translation>Denne mappe sikkerhedskopieres allerede af en anden opgave.</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <translation>Der er ingen gyldig mappe at sikkerhedskopiere.</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked</source>
        <translation>Venter på, at filen låses op</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Ingen proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjælp</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server.</source>
        <translation>Serverversionen understøttes ikke. Opdater serveren.</translation>
    </message>
    <message>
        <source>Choose a folder on this computer</source>
        <translation>Vælg en mappe på denne computer</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <translation>Filer, der er større end denne størrelse, sikkerhedskopieres ikke.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted locally</source>
        <translation>Behold filer på serveren, når de slettes lokalt</translation>
    </message>
    <message>
        <source>The network is unavailable. Please check your connection.</source>
        <translation>Netværket er ikke tilgængeligt. Kontrollér din forbindelse.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Choose source folders</source>
        <translation>Vælg kildemapper</translation>
    </message>
    <message>
        <source>Read-only folders are backed up, but files cannot be restored into them.</source>
        <translation>Skrivebeskyttede mapper sikkerhedskopieres, men filer kan ikke gendannes til dem.</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Sikkerhedsadvarsel</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Venter</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>Henter opdateringen...</translation>
    </message>
    <message>
        <source>Welcome to Skylet Backup</source>
        <translation>Velkommen til Skylet Backup</translation>
    </message>
    <message>
        <source>Proxy user name:</source>
        <translation>Brugernavn til proxy:</translation>
    </message>
    <message>
        <source>Connect through the FarLink relay</source>
        <translation>Opret forbindelse via FarLink-relæet</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>The request could not be processed.</source>
        <translation>Anmodningen kunne ikke behandles.</translation>
    </message>
    <message>
        <source>The shared folder does not exist on the server.</source>
        <translation>Den delte mappe findes ikke på serveren.</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <translation>Opgradering af %1 mislykkedes (fejlkode: %2).</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Oversigt</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Forbereder</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Valgmuligheder</translation>
    </message>
    <message>
        <source>The selected folder on the server is read-only.</source>
        <translation>Den valgte mappe på serveren er skrivebeskyttet.</translation>
    </message>
    <message>
        <source>Backup stopped with errors</source>
        <translation>Sikkerhedskopieringen stoppede med fejl</translation>
    </message>
    <message>
        <source>Click here to update Skylet Backup.</source>
        <translation>Klik her for at opdatere Skylet Backup.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Skrivebeskyttet</translation>
    </message>
    <message>
        <source>The server administrator does not allow automatic connections.</source>
        <translation>Serveradministratoren tillader ikke automatiske forbindelser.</translation>
    </message>
    <message>
        <source>The selected folder overlaps a folder that is already backed up.</source>
        <translation>Den valgte mappe overlapper en mappe, der allerede sikkerhedskopieres.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanceret</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <translation>Behandler %1 fil(er)...</translation>
    </message>
    <message>
        <source>Excluded paths</source>
        <translation>Udelukkede stier</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder.</source>
        <translation>Du har ikke tilladelse til at skrive til den delte mappe.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>Filer med disse filtypenavne sikkerhedskopieres ikke:</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <translation>Godkendelsen mislykkedes.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Indstillinger</translation>
    </message>
    <message>
        <source>The upgrade failed.</source>
        <translation>Opgraderingen mislykkedes.</translation>
    </message>
    <message>
        <source>Searching for earlier backups on this computer...</source>
        <translation>Søger efter tidligere sikkerhedskopier på denne computer...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tilbage</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Start nu</translation>
    </message>
    <message>
        <source>Backing up %1</source>
        <translation>Sikkerhedskopierer %1</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>Proxyserveren kræver godkendelse</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Choose the folder to back up</source>
        <translation>Vælg den mappe, der skal sikkerhedskopieres</translation>
    </message>
    <message>
        <source>A session with the server could not be created.</source>
        <translation>Der kunne ikke oprettes en session med serveren.</translation>
    </message>
    <message>
        <source>Skylet Backup is ready.</source>
        <translation>Skylet Backup er klar.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
    <message>
        <source>This version of Skylet Backup is no longer supported. Please upgrade.</source>
        <translation>Denne version af Skylet Backup understøttes ikke længere. Opgrader.</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <translation>Udelukkede filtypenavne</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Anvender indstillinger...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Opdaterer...</translation>
    </message>
    <message>
        <source>Look for a backup made earlier on this computer</source>
        <translation>Søg efter en sikkerhedskopi, der tidligere er lavet på denne computer</translation>
    </message>
    <message>
        <source>Start Skylet Backup when I log in</source>
        <translation>Start Skylet Backup, når jeg logger på</translation>
    </message>
    <message>
        <source>Check the settings below, then click Done to start the backup.</source>
        <translation>Kontrollér indstillingerne nedenfor, og klik derefter på Udfør for at starte sikkerhedskopieringen.</translation>
    </message>
</context>
</TS>
