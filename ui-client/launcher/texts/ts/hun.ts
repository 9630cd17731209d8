<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <translation>Last backup: %1</translation>
    </message>
    <message>
        <source>Skip files and folders whose names begin with a dot</source>
        <translation>Skip files and folders whose names begin with a dot</translation>
    </message>
    <message>
        <source>Please check your user name and password.</source>
        <translation>Please check your user name and password.</translation>
    </message>
    <message>
        <source>Skylet Backup</source>
        <translation>Skylet Backup</translation>
    </message>
    <message>
        <source>The automatic connection ID is invalid.</source>
        <translation>The automatic connection ID is invalid.</translation>
    </message>
    <message>
        <source>The selected backup folder is invalid. Please choose another folder.</source>
        <translation>The selected backup folder is invalid. Please choose another folder.</translation>
    </message>
    <message>
        <source>Enter the address of your backup server and your account details.</source>
        <translation>Enter the address of your backup server and your account details.</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>User name:</translation>
    </message>
    <message>
        <source>The backup direction of this task does not match the server settings.</source>
        <translation>The backup direction of this task does not match the server settings.</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <translation>Enter the verification code from your authenticator app:</translation>
    </message>
    <message>
        <source>The shared folder on the server has reached its quota.</source>
        <translation>The shared folder on the server has reached its quota.</translation>
    </message>
    <message>
        <source>The server certificate could not be verified.</source>
        <translation>The server certificate could not be verified.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Connection</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Choose the local folders to back up and where to store them on the server.</source>
        <translation>Choose the local folders to back up and where to store them on the server.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completed</translation>
    </message>
    <message>
        <source>The backup task on the server has been changed by another computer.</source>
        <translation>The backup task on the server has been changed by another computer.</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <translation>The local backup folder cannot be found.</translation>
    </message>
    <message>
        <source>Server address:</source>
        <translation>Server address:</translation>
    </message>
    <message>
        <source>Need help? The online help explains every step of the setup.</source>
        <translation>Need help? The online help explains every step of the setup.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The local database is damaged or cannot be opened.</source>
        <translation>The local database is damaged or cannot be opened.</translation>
    </message>
    <message>
        <source>Your files, safely backed up.</source>
        <translation>Your files, safely backed up.</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Use a monochrome tray icon</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted.</source>
        <translation>The shared folder on the server is not mounted.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>Open Skylet Backup</source>
        <translation>Open Skylet Backup</translation>
    </message>
    <message>
        <source>The server sent a response that could not be understood.</source>
        <translation>The server sent a response that could not be understood.</translation>
    </message>
    <message>
        <source>The backup folder is on a volume that is not mounted.</source>
        <translation>The backup folder is on a volume that is not mounted.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Unlink</translation>
    </message>
    <message>
        <source>There is not enough free space on the local disk.</source>
        <translation>There is not enough free space on the local disk.</translation>
    </message>
    <message>
        <source>The home folder service is disabled for your account on the server.</source>
        <translation>The home folder service is disabled for your account on the server.</translation>
    </message>
    <message>
        <source>Backup is up to date</source>
        <translation>Backup is up to date</translation>
    </message>
    <message>
        <source>There is not enough free space for the selected folder.</source>
        <translation>There is not enough free space for the selected folder.</translation>
    </message>
    <message>
        <source>Skylet Backup keeps a copy of your files on your own server.</source>
        <translation>Skylet Backup keeps a copy of your files on your own server.</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <translation>The backup failed.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Path</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Manual proxy configuration</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>A verification code is required to sign in.</source>
        <translation>A verification code is required to sign in.</translation>
    </message>
    <message>
        <source>Unlink this computer from the server? Backups already stored stay on the server.</source>
        <translation>Unlink this computer from the server? Backups already stored stay on the server.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Skylet Backup is initializing...</source>
        <translation>A Skylet Backup inicializálása folyamatban...</translation>
    </message>
    <message>
        <source>No folder is selected. Please choose at least one folder to back up.</source>
        <translation>No folder is selected. Please choose at least one folder to back up.</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>Use the system proxy settings</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Not now</translation>
    </message>
    <message>
        <source>Local folders</source>
        <translation>Local folders</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Please enter a user name for the proxy server.</source>
        <translation>Please enter a user name for the proxy server.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>The certificate of the server has changed since the last connection.</source>
        <translation>The certificate of the server has changed since the last connection.</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Unlinking...</translation>
    </message>
    <message>
        <source>Use a secure connection (SSL)</source>
        <translation>Use a secure connection (SSL)</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Version: %1</translation>
    </message>
    <message>
        <source>Transfer queue</source>
        <translation>Transfer queue</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>The source folder is read-only. Its files can be backed up but not restored into it.</source>
        <translation>The source folder is read-only. Its files can be backed up but not restored into it.</translation>
    </message>
    <message>
        <source>This folder is read-only.</source>
        <translation>This folder is read-only.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Backup paused</source>
        <translation>Backup paused</translation>
    </message>
    <message>
        <source>Upgrade Skylet Backup</source>
        <translation>Upgrade Skylet Backup</translation>
    </message>
    <message>
        <source>The new language takes effect after Skylet Backup restarts.</source>
        <translation>The new language takes effect after Skylet Backup restarts.</translation>
    </message>
    <message>
        <source>The proxy port must be a number from 1 to 65535.</source>
        <translation>The proxy port must be a number from 1 to 65535.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Uploading</translation>
    </message>
    <message>
        <source>The server certificate has changed. Make sure that you are connecting to the right server.</source>
        <translation>The server certificate has changed. Make sure that you are connecting to the right server.</translation>
    </message>
    <message>
        <source>The server does not accept connections from this IP address.</source>
        <translation>The server does not accept connections from this IP address.</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Testing the connection...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>A secure connection to the server could not be established.</translation>
    </message>
    <message>
        <source>Not needed</source>
        <translation>Not needed</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <translation>Connect to your server</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>The verification code is incorrect.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <translation>A shared folder with this name already exists.</translation>
    </message>
    <message>
        <source>This wizard helps you set up the backup of your computer.</source>
        <translation>This wizard helps you set up the backup of your computer.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Connecting...</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation>Sharing enabled</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>You do not have permission to access the selected folder.</source>
        <translation>You do not have permission to access the selected folder.</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <translation>Your storage quota on the server is full.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Double-click to edit the file extension.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <translation>Maximum file size (MB):</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Backing up...</translation>
    </message>
    <message>
        <source>The selected folder is larger than the quota left on the server.</source>
        <translation>The selected folder is larger than the quota left on the server.</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <translation>Too many failed attempts. Please try again later.</translation>
    </message>
    <message>
        <source>Enter 0 to back up files of any size.</source>
        <translation>Enter 0 to back up files of any size.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>An unexpected error occurred.</translation>
    </message>
    <message>
        <source>Skylet Backup could not be initialized.</source>
        <translation>Skylet Backup could not be initialized.</translation>
    </message>
    <message>
        <source>The backup task on the server does not belong to this computer.</source>
        <translation>The backup task on the server does not belong to this computer.</translation>
    </message>
    <message>
        <source>Choose a folder on the server:</source>
        <translation>Choose a folder on the server:</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <translation>The user name or password is incorrect.</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Language:</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>System default</translation>
    </message>
    <message>
        <source>Connect anyway</source>
        <translation>Connect anyway</translation>
    </message>
    <message>
        <source>Choose the folder on this computer that you want to back up.</source>
        <translation>Choose the folder on this computer that you want to back up.</translation>
    </message>
    <message>
        <source>The server requires two-step verification for your account. Please turn it on first.</source>
        <translation>The server requires two-step verification for your account. Please turn it on first.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Please enter the proxy address and port.</translation>
    </message>
    <message>
        <source>Your account is disabled on the server.</source>
        <translation>Your account is disabled on the server.</translation>
    </message>
    <message>
        <source>This folder is already backed up by another task.</source>
        <translation>This folder is already backed up by another task.</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <translation>There is no valid folder to back up.</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked</source>
        <translation>Waiting for the file to be unlocked</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>No proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server.</source>
        <translation>The server version is not supported. Please update the server.</translation>
    </message>
    <message>
        <source>Choose a folder on this computer</source>
        <translation>Choose a folder on this computer</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <translation>Files larger than this size are not backed up.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted locally</source>
        <translation>Keep files on the server when they are deleted locally</translation>
    </message>
    <message>
        <source>The network is unavailable. Please check your connection.</source>
        <translation>The network is unavailable. Please check your connection.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Choose source folders</source>
        <translation>Choose source folders</translation>
    </message>
    <message>
        <source>Read-only folders are backed up, but files cannot be restored into them.</source>
        <translation>Read-only folders are backed up, but files cannot be restored into them.</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Address:</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Security warning</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Waiting</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>Downloading the update...</translation>
    </message>
    <message>
        <source>Welcome to Skylet Backup</source>
        <translation>Welcome to Skylet Backup</translation>
    </message>
    <message>
        <source>Proxy user name:</source>
        <translation>Proxy user name:</translation>
    </message>
    <message>
        <source>Connect through the FarLink relay</source>
        <translation>Connect through the FarLink relay</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>The request could not be processed.</source>
        <translation>The request could not be processed.</translation>
    </message>
    <message>
        <source>The shared folder does not exist on the server.</source>
        <translation>The shared folder does not exist on the server.</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <translation>%1 upgrade failed (error code: %2).</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Summary</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Preparing</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>The selected folder on the server is read-only.</source>
        <translation>The selected folder on the server is read-only.</translation>
    </message>
    <message>
        <source>Backup stopped with errors</source>
        <translation>Backup stopped with errors</translation>
    </message>
    <message>
        <source>Click here to update Skylet Backup.</source>
        <translation>Click here to update Skylet Backup.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Read-only</translation>
    </message>
    <message>
        <source>The server administrator does not allow automatic connections.</source>
        <translation>The server administrator does not allow automatic connections.</translation>
    </message>
    <message>
        <source>The selected folder overlaps a folder that is already backed up.</source>
        <translation>The selected folder overlaps a folder that is already backed up.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Advanced</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <translation>Processing %1 file(s)...</translation>
    </message>
    <message>
        <source>Excluded paths</source>
        <translation>Excluded paths</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder.</source>
        <translation>You do not have permission to write to the shared folder.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>Files with these extensions are not backed up:</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <translation>Authentication failed.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>The upgrade failed.</source>
        <translation>The upgrade failed.</translation>
    </message>
    <message>
        <source>Searching for earlier backups on this computer...</source>
        <translation>Searching for earlier backups on this computer...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Start now</translation>
    </message>
    <message>
        <source>Backing up %1</source>
        <translation>Backing up %1</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>The proxy server requires authentication</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Choose the folder to back up</source>
        <translation>Choose the folder to back up</translation>
    </message>
    <message>
        <source>A session with the server could not be created.</source>
        <translation>A session with the server could not be created.</translation>
    </message>
    <message>
        <source>Skylet Backup is ready.</source>
        <translation>Skylet Backup készen áll.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>This version of Skylet Backup is no longer supported. Please upgrade.</source>
        <translation>This version of Skylet Backup is no longer supported. Please upgrade.</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <translation>Excluded file extensions</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Applying settings...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Updating...</translation>
    </message>
    <message>
        <source>Look for a backup made earlier on this computer</source>
        <translation>Look for a backup made earlier on this computer</translation>
    </message>
    <message>
        <source>Start Skylet Backup when I log in</source>
        <translation>Start Skylet Backup when I log in</translation>
    </message>
    <message>
        <source>Check the settings below, then click Done to start the backup.</source>
        <translation>Check the settings below, then click Done to start the backup.</translation>
    </message>
</context>
</TS>
