<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <translation>Letzte Sicherung: %1</translation>
    </message>
    <message>
        <source>Skip files and folders whose names begin with a dot</source>
        <translation>Dateien und Ordner überspringen, deren Namen mit einem Punkt beginnen</translation>
    </message>
    <message>
        <source>Please check your user name and password.</source>
        <translation>Bitte überprüfen Sie Ihren Benutzernamen und Ihr Passwort.</translation>
    </message>
    <message>
        <source>Skylet Backup</source>
        <translation>Skylet Backup</translation>
    </message>
    <message>
        <source>The automatic connection ID is invalid.</source>
        <translation>Die ID für die automatische Verbindung ist ungültig.</translation>
    </message>
    <message>
        <source>The selected backup folder is invalid. Please choose another folder.</source>
        <translation>Der ausgewählte Sicherungsordner ist ungültig. Bitte wählen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <source>Enter the address of your backup server and your account details.</source>
        <translation>Geben Sie die Adresse Ihres Sicherungsservers und Ihre Kontodaten ein.</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Benutzername:</translation>
    </message>
    <message>
        <source>The backup direction of this task does not match the server settings.</source>
        <translation>Die Sicherungsrichtung dieser Aufgabe stimmt nicht mit den Servereinstellungen überein.</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <translation>Geben Sie den Bestätigungscode aus Ihrer Authentifizierungs-App ein:</translation>
    </message>
    <message>
        <source>The shared folder on the server has reached its quota.</source>
        <translation>Der freigegebene Ordner auf dem Server hat sein Speicherkontingent erreicht.</translation>
    </message>
    <message>
        <source>The server certificate could not be verified.</source>
        <translation>Das Serverzertifikat konnte nicht überprüft werden.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxyserver</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig stellen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Choose the local folders to back up and where to store them on the server.</source>
        <translation>Wählen Sie die lokalen Ordner, die gesichert werden sollen, und den Speicherort auf dem Server.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Abgeschlossen</translation>
    </message>
    <message>
        <source>The backup task on the server has been changed by another computer.</source>
        <translation>Die Sicherungsaufgabe auf dem Server wurde von einem anderen Computer geändert.</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <translation>Der lokale Sicherungsordner kann nicht gefunden werden.</translation>
    </message>
    <message>
        <source>Server address:</source>
        <translation>Serveradresse:</translation>
    </message>
    <message>
        <source>Need help? The online help explains every step of the setup.</source>
        <translation>Benötigen Sie Hilfe? Die Onlinehilfe erklärt jeden Schritt der Einrichtung.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The local database is damaged or cannot be opened.</source>
        <translation>Die lokale Datenbank ist beschädigt oder kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Your files, safely backed up.</source>
        <translation>Ihre Dateien – zuverlässig gesichert.</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Einfarbiges Symbol im Infobereich verwenden</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted.</source>
        <translation>Der freigegebene Ordner auf dem Server ist nicht eingehängt.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Open Skylet Backup</source>
        <translation>Skylet Backup öffnen</translation>
    </message>
    <message>
        <source>The server sent a response that could not be understood.</source>
        <translation>Der Server hat eine unverständliche Antwort gesendet.</translation>
    </message>
    <message>
        <source>The backup folder is on a volume that is not mounted.</source>
        <translation>Der Sicherungsordner befindet sich auf einem Datenträger, der nicht eingehängt ist.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Verknüpfung aufheben</translation>
    </message>
    <message>
        <source>There is not enough free space on the local disk.</source>
        <translation>Auf dem lokalen Datenträger ist nicht genügend freier Speicherplatz vorhanden.</translation>
    </message>
    <message>
        <source>The home folder service is disabled for your account on the server.</source>
        <translation>Der Home-Ordner-Dienst ist für Ihr Konto auf dem Server deaktiviert.</translation>
    </message>
    <message>
        <source>Backup is up to date</source>
        <translation>Sicherung ist aktuell</translation>
    </message>
    <message>
        <source>There is not enough free space for the selected folder.</source>
        <translation>Für den ausgewählten Ordner ist nicht genügend freier Speicherplatz vorhanden.</translation>
    </message>
    <message>
        <source>Skylet Backup keeps a copy of your files on your own server.</source>
        <translation>Skylet Backup bewahrt eine Kopie Ihrer Dateien auf Ihrem eigenen Server auf.</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <translation>Die Sicherung ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Manuelle Proxykonfiguration</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>A verification code is required to sign in.</source>
        <translation>Zum Anmelden ist ein Bestätigungscode erforderlich.</translation>
    </message>
    <message>
        <source>Unlink this computer from the server? Backups already stored stay on the server.</source>
        <translation>Verknüpfung dieses Computers mit dem Server aufheben? Bereits gespeicherte Sicherungen bleiben auf dem Server erhalten.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Skylet Backup is initializing...</source>
        <translation>Skylet Backup wird initialisiert ...</translation>
    </message>
    <message>
        <source>No folder is selected. Please choose at least one folder to back up.</source>
        <translation>Es ist kein Ordner ausgewählt. Bitte wählen Sie mindestens einen Ordner zum Sichern aus.</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>Proxyeinstellungen des Systems verwenden</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Jetzt nicht</translation>
    </message>
    <message>
        <source>Local folders</source>
        <translation>Lokale Ordner</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Please enter a user name for the proxy server.</source>
        <translation>Bitte geben Sie einen Benutzernamen für den Proxyserver ein.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>The certificate of the server has changed since the last connection.</source>
        <translation>Das Zertifikat des Servers hat sich seit der letzten Verbindung geändert.</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Verknüpfung wird aufgehoben ...</translation>
    </message>
    <message>
        <source>Use a secure connection (SSL)</source>
        <translation>Sichere Verbindung verwenden (SSL)</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Version: %1</translation>
    </message>
    <message>
        <source>Transfer queue</source>
        <translation>Übertragungswarteschlange</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausieren</translation>
    </message>
    <message>
        <source>The source folder is read-only. Its files can be backed up but not restored into it.</source>
        <translation>Der Quellordner ist schreibgeschützt. Die Dateien darin können gesichert, aber nicht dorthin wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>This folder is read-only.</source>
        <translation>Dieser Ordner ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Backup paused</source>
        <translation>Sicherung pausiert</translation>
    </message>
    <message>
        <source>Upgrade Skylet Backup</source>
        <translation>Skylet Backup aktualisieren</translation>
    </message>
    <message>
        <source>The new language takes effect after Skylet Backup restarts.</source>
        <translation>Die neue Sprache wird nach einem Neustart von Skylet Backup wirksam.</translation>
    </message>
    <message>
        <source>The proxy port must be a number from 1 to 65535.</source>
        <translation>Der Proxyport muss eine Zahl zwischen 1 und 65535 sein.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Wird hochgeladen</translation>
    </message>
    <message>
        <source>The server certificate has changed. Make sure that you are connecting to the right server.</source>
        <translation>Das Serverzertifikat hat sich geändert. Stellen Sie sicher, dass Sie eine Verbindung mit dem richtigen Server herstellen.</translation>
    </message>
    <message>
        <source>The server does not accept connections from this IP address.</source>
        <translation>Der Server akzeptiert keine Verbindungen von dieser IP-Adresse.</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Verbindung wird getestet ...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>Es konnte keine sichere Verbindung zum Server hergestellt werden.</translation>
    </message>
    <message>
        <source>Not needed</source>
        <translation>Nicht erforderlich</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <translation>Mit Ihrem Server verbinden</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>Der Bestätigungscode ist falsch.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <translation>Ein freigegebener Ordner mit diesem Namen ist bereits vorhanden.</translation>
    </message>
    <message>
        <source>This wizard helps you set up the backup of your computer.</source>
        <translation>Dieser Assistent hilft Ihnen, die Sicherung Ihres Computers einzurichten.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Verbindung wird hergestellt ...</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation>Freigabe aktiviert</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>You do not have permission to access the selected folder.</source>
        <translation>Sie haben keine Berechtigung für den Zugriff auf den ausgewählten Ordner.</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <translation>Ihr Speicherkontingent auf dem Server ist ausgeschöpft.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Doppelklicken Sie, um die Dateierweiterung zu bearbeiten.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortfahren</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <translation>Maximale Dateigröße (MB):</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Sicherung läuft ...</translation>
    </message>
    <message>
        <source>The selected folder is larger than the quota left on the server.</source>
        <translation>Der ausgewählte Ordner ist größer als das auf dem Server verbleibende Kontingent.</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <translation>Zu viele fehlgeschlagene Versuche. Bitte versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>Enter 0 to back up files of any size.</source>
        <translation>Geben Sie 0 ein, um Dateien jeder Größe zu sichern.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Ein unerwarteter Fehler ist aufgetreten.</translation>
    </message>
    <message>
        <source>Skylet Backup could not be initialized.</source>
        <translation>Skylet Backup konnte nicht initialisiert werden.</translation>
    </message>
    <message>
        <source>The backup task on the server does not belong to this computer.</source>
        <translation>Die Sicherungsaufgabe auf dem Server gehört nicht zu diesem Computer.</translation>
    </message>
    <message>
        <source>Choose a folder on the server:</source>
        <translation>Wählen Sie einen Ordner auf dem Server:</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <translation>Der Benutzername oder das Passwort ist falsch.</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>Connect anyway</source>
        <translation>Trotzdem verbinden</translation>
    </message>
    <message>
        <source>Choose the folder on this computer that you want to back up.</source>
        <translation>Wählen Sie den Ordner auf diesem Computer, den Sie sichern möchten.</translation>
    </message>
    <message>
        <source>The server requires two-step verification for your account. Please turn it on first.</source>
        <translation>Der Server erfordert für Ihr Konto die Bestätigung in zwei Schritten. Bitte aktivieren Sie diese zuerst.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Bitte geben Sie die Adresse und den Port des Proxyservers ein.</translation>
    </message>
    <message>
        <source>Your account is disabled on the server.</source>
        <translation>Ihr Konto ist auf dem Server deaktiviert.</translation>
    </message>
    <message>
        <source>This folder is already backed up by another task.</source>
        <translation>Dieser Ordner wird bereits von einer anderen Aufgabe gesichert.</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <translation>Es ist kein gültiger Ordner zum Sichern vorhanden.</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked</source>
        <translation>Warten, bis die Datei entsperrt ist</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Kein Proxyserver</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server.</source>
        <translation>Die Serverversion wird nicht unterstützt. Bitte aktualisieren Sie den Server.</translation>
    </message>
    <message>
        <source>Choose a folder on this computer</source>
        <translation>Ordner auf diesem Computer auswählen</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <translation>Dateien über dieser Größe werden nicht gesichert.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted locally</source>
        <translation>Dateien auf dem Server behalten, wenn sie lokal gelöscht werden</translation>
    </message>
    <message>
        <source>The network is unavailable. Please check your connection.</source>
        <translation>Das Netzwerk ist nicht verfügbar. Bitte überprüfen Sie Ihre Verbindung.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Choose source folders</source>
        <translation>Quellordner auswählen</translation>
    </message>
    <message>
        <source>Read-only folders are backed up, but files cannot be restored into them.</source>
        <translation>Schreibgeschützte Ordner werden gesichert, aber es können keine Dateien in ihnen wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Sicherheitswarnung</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Wartet</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>Update wird heruntergeladen ...</translation>
    </message>
    <message>
        <source>Welcome to Skylet Backup</source>
        <translation>Willkommen bei Skylet Backup</translation>
    </message>
    <message>
        <source>Proxy user name:</source>
        <translation>Benutzername für den Proxyserver:</translation>
    </message>
    <message>
        <source>Connect through the FarLink relay</source>
        <translation>Über das FarLink-Relay verbinden</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>The request could not be processed.</source>
        <translation>Die Anfrage konnte nicht verarbeitet werden.</translation>
    </message>
    <message>
        <source>The shared folder does not exist on the server.</source>
        <translation>Der freigegebene Ordner ist auf dem Server nicht vorhanden.</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <translation>Aktualisierung von %1 fehlgeschlagen (Fehlercode: %2).</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Wird vorbereitet</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>The selected folder on the server is read-only.</source>
        <translation>Der ausgewählte Ordner auf dem Server ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>Backup stopped with errors</source>
        <translation>Sicherung mit Fehlern beendet</translation>
    </message>
    <message>
        <source>Click here to update Skylet Backup.</source>
        <translation>Klicken Sie hier, um Skylet Backup zu aktualisieren.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Schreibgeschützt</translation>
    </message>
    <message>
        <source>The server administrator does not allow automatic connections.</source>
        <translation>Der Serveradministrator lässt keine automatischen Verbindungen zu.</translation>
    </message>
    <message>
        <source>The selected folder overlaps a folder that is already backed up.</source>
        <translation>Der ausgewählte Ordner überschneidet sich mit einem Ordner, der bereits gesichert wird.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <translation>Verarbeitung von %1 Datei(en) ...</translation>
    </message>
    <message>
        <source>Excluded paths</source>
        <translation>Ausgeschlossene Pfade</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder.</source>
        <translation>Sie haben keine Schreibberechtigung für den freigegebenen Ordner.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>Dateien mit diesen Erweiterungen werden nicht gesichert:</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <translation>Authentifizierung fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>The upgrade failed.</source>
        <translation>Die Aktualisierung ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Searching for earlier backups on this computer...</source>
        <translation>Auf diesem Computer wird nach früheren Sicherungen gesucht ...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Jetzt starten</translation>
    </message>
    <message>
        <source>Backing up %1</source>
        <translation>%1 wird gesichert</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>Der Proxyserver erfordert eine Authentifizierung</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Choose the folder to back up</source>
        <translation>Zu sichernden Ordner auswählen</translation>
    </message>
    <message>
        <source>A session with the server could not be created.</source>
        <translation>Es konnte keine Sitzung mit dem Server erstellt werden.</translation>
    </message>
    <message>
        <source>Skylet Backup is ready.</source>
        <translation>Skylet Backup ist bereit.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>This version of Skylet Backup is no longer supported. Please upgrade.</source>
        <translation>Diese Version von Skylet Backup wird nicht mehr unterstützt. Bitte führen Sie eine Aktualisierung durch.</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <translation>Ausgeschlossene Dateierweiterungen</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Einstellungen werden übernommen ...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Wird aktualisiert ...</translation>
    </message>
    <message>
        <source>Look for a backup made earlier on this computer</source>
        <translation>Nach einer früheren Sicherung auf diesem Computer suchen</translation>
    </message>
    <message>
        <source>Start Skylet Backup when I log in</source>
        <translation>Skylet Backup bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>Check the settings below, then click Done to start the backup.</source>
        <translation>Überprüfen Sie die folgenden Einstellungen und klicken Sie dann auf „Fertig stellen“, um die Sicherung zu starten.</translation>
    </message>
</context>
</TS>
