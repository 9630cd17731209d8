<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <translation>Ultimo backup: %1</translation>
    </message>
    <message>
        <source>Skip files and folders whose names begin with a dot</source>
        <translation>Ignora i file e le cartelle il cui nome inizia con un punto</translation>
    </message>
    <message>
        <source>Please check your user name and password.</source>
        <translation>Verificare il nome utente e la password.</translation>
    </message>
    <message>
        <source>Skylet Backup</source>
        <translation>Skylet Backup</translation>
    </message>
    <message>
        <source>The automatic connection ID is invalid.</source>
        <translation>L'ID di connessione automatica non è valido.</translation>
    </message>
    <message>
        <source>The selected backup folder is invalid. Please choose another folder.</source>
        <translation>La cartella di backup selezionata non è valida. Scegliere un'altra cartella.</translation>
    </message>
    <message>
        <source>Enter the address of your backup server and your account details.</source>
        <translation>Immettere l'indirizzo del server di backup e i dati dell'account.</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Nome utente:</translation>
    </message>
    <message>
        <source>The backup direction of this task does not match the server settings.</source>
        <translation>La direzione del backup di questa attività non corrisponde alle impostazioni del server.</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <translation>Immettere il codice di verifica dell'app di autenticazione:</translation>
    </message>
    <message>
        <source>The shared folder on the server has reached its quota.</source>
        <translation>La cartella condivisa sul server ha raggiunto la quota.</translation>
    </message>
    <message>
        <source>The server certificate could not be verified.</source>
        <translation>Impossibile verificare il certificato del server.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Connessione</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Server proxy</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Choose the local folders to back up and where to store them on the server.</source>
        <translation>Scegliere le cartelle locali di cui eseguire il backup e la posizione in cui salvarle sul server.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completato</translation>
    </message>
    <message>
        <source>The backup task on the server has been changed by another computer.</source>
        <translation>L'attività di backup sul server è stata modificata da un altro computer.</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <translation>Impossibile trovare la cartella di backup locale.</translation>
    </message>
    <message>
        <source>Server address:</source>
        <translation>Indirizzo del server:</translation>
    </message>
    <message>
        <source>Need help? The online help explains every step of the setup.</source>
        <translation>Serve aiuto? La guida online illustra ogni passaggio della configurazione.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The local database is damaged or cannot be opened.</source>
        <translation>Il database locale è danneggiato o non può essere aperto.</translation>
    </message>
    <message>
        <source>Your files, safely backed up.</source>
        <translation>I file sempre al sicuro con il backup.</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Usa un'icona monocromatica nell'area di notifica</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted.</source>
        <translation>La cartella condivisa sul server non è montata.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>Open Skylet Backup</source>
        <translation>Apri Skylet Backup</translation>
    </message>
    <message>
        <source>The server sent a response that could not be understood.</source>
        <translation>Il server ha inviato una risposta incomprensibile.</translation>
    </message>
    <message>
        <source>The backup folder is on a volume that is not mounted.</source>
        <translation>La cartella di backup si trova su un volume non montato.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Scollega</translation>
    </message>
    <message>
        <source>There is not enough free space on the local disk.</source>
        <translation>Spazio libero insufficiente sul disco locale.</translation>
    </message>
    <message>
        <source>The home folder service is disabled for your account on the server.</source>
        <translation>Il servizio della cartella home è disattivato per questo account sul server.</translation>
    </message>
    <message>
        <source>Backup is up to date</source>
        <translation>Il backup è aggiornato</translation>
    </message>
    <message>
        <source>There is not enough free space for the selected folder.</source>
        <translation>Spazio libero insufficiente per la cartella selezionata.</translation>
    </message>
    <message>
        <source>Skylet Backup keeps a copy of your files on your own server.</source>
        <translation>Skylet Backup conserva una copia dei file su un server personale.</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <translation>Backup non riuscito.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Percorso</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Configurazione manuale del proxy</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destinazione</translation>
    </message>
    <message>
        <source>A verification code is required to sign in.</source>
        <translation>Per accedere è necessario un codice di verifica.</translation>
    </message>
    <message>
        <source>Unlink this computer from the server? Backups already stored stay on the server.</source>
        <translation>Scollegare questo computer dal server? I backup già archiviati restano sul server.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Riprendi</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Skylet Backup is initializing...</source>
        <translation>Skylet Backup sta inizializzando...</translation>
    </message>
    <message>
        <source>No folder is selected. Please choose at least one folder to back up.</source>
        <translation>Nessuna cartella selezionata. Scegliere almeno una cartella di cui eseguire il backup.</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>Usa le impostazioni proxy di sistema</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Non ora</translation>
    </message>
    <message>
        <source>Local folders</source>
        <translation>Cartelle locali</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Please enter a user name for the proxy server.</source>
        <translation>Immettere un nome utente per il server proxy.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>The certificate of the server has changed since the last connection.</source>
        <translation>Il certificato del server è cambiato dall'ultima connessione.</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Scollegamento in corso...</translation>
    </message>
    <message>
        <source>Use a secure connection (SSL)</source>
        <translation>Usa una connessione protetta (SSL)</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Versione: %1</translation>
    </message>
    <message>
        <source>Transfer queue</source>
        <translation>Coda di trasferimento</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Sospendi</translation>
    </message>
    <message>
        <source>The source folder is read-only. Its files can be backed up but not restored into it.</source>
        <translation>La cartella di origine è di sola lettura. È possibile eseguire il backup dei suoi file, ma non ripristinarli al suo interno.</translation>
    </message>
    <message>
        <source>This folder is read-only.</source>
        <translation>Questa cartella è di sola lettura.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Backup paused</source>
        <translation>Backup sospeso</translation>
    </message>
    <message>
        <source>Upgrade Skylet Backup</source>
        <translation>Aggiorna Skylet Backup</translation>
    </message>
    <message>
        <source>The new language takes effect after Skylet Backup restarts.</source>
        <translation>La nuova lingua verrà applicata al riavvio di Skylet Backup.</translation>
    </message>
    <message>
        <source>The proxy port must be a number from 1 to 65535.</source>
        <translation>La porta del proxy deve essere un numero compreso tra 1 e 65535.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Caricamento in corso</translation>
    </message>
    <message>
        <source>The server certificate has changed. Make sure that you are connecting to the right server.</source>
        <translation>Il certificato del server è cambiato. Assicurarsi di connettersi al server corretto.</translation>
    </message>
    <message>
        <source>The server does not accept connections from this IP address.</source>
        <translation>Il server non accetta connessioni da questo indirizzo IP.</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Verifica della connessione in corso...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>Impossibile stabilire una connessione protetta con il server.</translation>
    </message>
    <message>
        <source>Not needed</source>
        <translation>Non necessario</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Porta:</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <translation>Connessione al server</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>Il codice di verifica non è corretto.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleziona</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <translation>Esiste già una cartella condivisa con questo nome.</translation>
    </message>
    <message>
        <source>This wizard helps you set up the backup of your computer.</source>
        <translation>Questa procedura guidata consente di configurare il backup del computer.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Connessione in corso...</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation>Condivisione attivata</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>You do not have permission to access the selected folder.</source>
        <translation>Non si dispone dell'autorizzazione per accedere alla cartella selezionata.</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <translation>La quota di archiviazione sul server è esaurita.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Fare doppio clic per modificare l'estensione del file.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <translation>Dimensione massima dei file (MB):</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Backup in corso...</translation>
    </message>
    <message>
        <source>The selected folder is larger than the quota left on the server.</source>
        <translation>La cartella selezionata supera la quota rimanente sul server.</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <translation>Troppi tentativi non riusciti. Riprovare più tardi.</translation>
    </message>
    <message>
        <source>Enter 0 to back up files of any size.</source>
        <translation>Immettere 0 per eseguire il backup dei file di qualsiasi dimensione.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Si è verificato un errore imprevisto.</translation>
    </message>
    <message>
        <source>Skylet Backup could not be initialized.</source>
        <translation>Impossibile inizializzare Skylet Backup.</translation>
    </message>
    <message>
        <source>The backup task on the server does not belong to this computer.</source>
        <translation>L'attività di backup sul server non appartiene a questo computer.</translation>
    </message>
    <message>
        <source>Choose a folder on the server:</source>
        <translation>Scegliere una cartella sul server:</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <translation>Nome utente o password non corretti.</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Lingua:</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Predefinita del sistema</translation>
    </message>
    <message>
        <source>Connect anyway</source>
        <translation>Connetti comunque</translation>
    </message>
    <message>
        <source>Choose the folder on this computer that you want to back up.</source>
        <translation>Scegliere la cartella di questo computer di cui eseguire il backup.</translation>
    </message>
    <message>
        <source>The server requires two-step verification for your account. Please turn it on first.</source>
        <translation>Il server richiede la verifica in due passaggi per questo account. Attivarla prima di continuare.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Immettere l'indirizzo e la porta del proxy.</translation>
    </message>
    <message>
        <source>Your account is disabled on the server.</source>
        <translation>L'account è disattivato sul server.</translation>
    </message>
    <message>
        <source>This folder is already backed up by another task.</source>
        <translation>Il backup di questa cartella è già eseguito da un'altra attività.</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <translation>Nessuna cartella valida di cui eseguire il backup.</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked</source>
        <translation>In attesa dello sblocco del file</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Nessun proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server.</source>
        <translation>La versione del server non è supportata. Aggiornare il server.</translation>
    </message>
    <message>
        <source>Choose a folder on this computer</source>
        <translation>Scegli una cartella su questo computer</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <translation>I file di dimensioni superiori non vengono inclusi nel backup.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted locally</source>
        <translation>Mantieni i file sul server quando vengono eliminati in locale</translation>
    </message>
    <message>
        <source>The network is unavailable. Please check your connection.</source>
        <translation>La rete non è disponibile. Verificare la connessione.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Choose source folders</source>
        <translation>Scegli le cartelle di origine</translation>
    </message>
    <message>
        <source>Read-only folders are backed up, but files cannot be restored into them.</source>
        <translation>Le cartelle di sola lettura vengono incluse nel backup, ma non è possibile ripristinarvi i file.</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Indirizzo:</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Avviso di sicurezza</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>In attesa</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>Download dell'aggiornamento in corso...</translation>
    </message>
    <message>
        <source>Welcome to Skylet Backup</source>
        <translation>Benvenuti in Skylet Backup</translation>
    </message>
    <message>
        <source>Proxy user name:</source>
        <translation>Nome utente proxy:</translation>
    </message>
    <message>
        <source>Connect through the FarLink relay</source>
        <translation>Connetti tramite il relay FarLink</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>The request could not be processed.</source>
        <translation>Impossibile elaborare la richiesta.</translation>
    </message>
    <message>
        <source>The shared folder does not exist on the server.</source>
        <translation>La cartella condivisa non esiste sul server.</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <translation>Aggiornamento di %1 non riuscito (codice di errore: %2).</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Riepilogo</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Preparazione</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>The selected folder on the server is read-only.</source>
        <translation>La cartella selezionata sul server è di sola lettura.</translation>
    </message>
    <message>
        <source>Backup stopped with errors</source>
        <translation>Backup interrotto con errori</translation>
    </message>
    <message>
        <source>Click here to update Skylet Backup.</source>
        <translation>Fare clic qui per aggiornare Skylet Backup.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Sola lettura</translation>
    </message>
    <message>
        <source>The server administrator does not allow automatic connections.</source>
        <translation>L'amministratore del server non consente connessioni automatiche.</translation>
    </message>
    <message>
        <source>The selected folder overlaps a folder that is already backed up.</source>
        <translation>La cartella selezionata si sovrappone a una cartella già inclusa nel backup.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzate</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <translation>Elaborazione di %1 file...</translation>
    </message>
    <message>
        <source>Excluded paths</source>
        <translation>Percorsi esclusi</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder.</source>
        <translation>Non si dispone dell'autorizzazione di scrittura nella cartella condivisa.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>I file con queste estensioni non vengono inclusi nel backup:</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <translation>Autenticazione non riuscita.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>The upgrade failed.</source>
        <translation>Aggiornamento non riuscito.</translation>
    </message>
    <message>
        <source>Searching for earlier backups on this computer...</source>
        <translation>Ricerca di backup precedenti su questo computer...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Avvia ora</translation>
    </message>
    <message>
        <source>Backing up %1</source>
        <translation>Backup di %1 in corso</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>Il server proxy richiede l'autenticazione</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Choose the folder to back up</source>
        <translation>Scegli la cartella di cui eseguire il backup</translation>
    </message>
    <message>
        <source>A session with the server could not be created.</source>
        <translation>Impossibile creare una sessione con il server.</translation>
    </message>
    <message>
        <source>Skylet Backup is ready.</source>
        <translation>Skylet Backup pronta.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>This version of Skylet Backup is no longer supported. Please upgrade.</source>
        <translation>Questa versione di Skylet Backup non è più supportata. Eseguire l'aggiornamento.</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <translation>Estensioni di file escluse</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Applicazione delle impostazioni...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Aggiornamento in corso...</translation>
    </message>
    <message>
        <source>Look for a backup made earlier on this computer</source>
        <translation>Cerca un backup eseguito in precedenza su questo computer</translation>
    </message>
    <message>
        <source>Start Skylet Backup when I log in</source>
        <translation>Avvia Skylet Backup all'accesso</translation>
    </message>
    <message>
        <source>Check the settings below, then click Done to start the backup.</source>
        <translation>Verificare le impostazioni riportate di seguito, quindi fare clic su Fine per avviare il backup.</translation>
    </message>
</context>
</TS>
