#include "strtab.h"

#include <QByteArray>
#include <QCoreApplication>

namespace StrTable {

namespace {

// English source texts and keys, indexed by StringID. Null until
// InitStrTable; never written afterwards, so any thread may read them.
const char *stab[NUM_STRING_IDS];
const char *ktab[NUM_STRING_IDS];

// Texts that serve two ids. The catalogues hold one message for each, so the
// two ids must keep the very same text.
const char *const kTextOk = "OK";
const char *const kTextSslVerifyFail = "The server certificate could not be verified.";
const char *const kTextProxy = "Proxy";
const char *const kTextCompleted = "Completed";
const char *const kTextDestination = "Destination";
const char *const kTextPassword = "Password:";
const char *const kTextLocalFolders = "Local folders";
const char *const kTextUpgrade = "Upgrade Skylet Backup";
const char *const kTextSslChanged =
    "The server certificate has changed. Make sure that you are connecting to the right server.";
const char *const kTextNetwork = "The network is unavailable. Please check your connection.";
const char *const kTextInvalidRequest = "The request could not be processed.";

} // namespace

// tools/make-ts.py reads the texts out of the STR lines below to add new
// ones to the catalogue sources; keep one entry per line.
#define STR(id, text) \
    stab[id] = text;  \
    ktab[id] = #id

void InitStrTable()
{
    STR(main_desc_last_upload, "Last backup: %1");
    STR(setting_filter_point_prefix, "Skip files and folders whose names begin with a dot");
    STR(msg_checkpass, "Please check your user name and password.");
    STR(app_name, "Skylet Backup");
    STR(err_autoconn_invalidid, "The automatic connection ID is invalid.");
    STR(wizard_invalid_sync_folder_warning, "The selected backup folder is invalid. Please choose another folder.");
    STR(wizard_connection_desc, "Enter the address of your backup server and your account details.");
    STR(connection_username, "User name:");
    STR(err_sync_direction_mismatch, "The backup direction of this task does not match the server settings.");
    STR(connection_enter_otp, "Enter the verification code from your authenticator app:");
    STR(msg_share_quotafull, "The shared folder on the server has reached its quota.");
    STR(err_ssl_verify_fail, kTextSslVerifyFail);
    STR(setting_tab_connection, "Connection");
    STR(btn_proxy, kTextProxy);
    STR(btn_done, "Done");
    STR(tray_exit, "Exit");
    STR(backup_chooser_desc, "Choose the local folders to back up and where to store them on the server.");
    STR(main_queue_completed, kTextCompleted);
    STR(err_hb_change, "The backup task on the server has been changed by another computer.");
    STR(err_local_sync_folder_miss, "The local backup folder cannot be found.");
    STR(connection_server, "Server address:");
    STR(wizard_welcome_help, "Need help? The online help explains every step of the setup.");
    STR(btn_wizard_readonly_yes, kTextOk);
    STR(err_database, "The local database is damaged or cannot be opened.");
    STR(wizard_welcome_slogan, "Your files, safely backed up.");
    STR(setting_option_use_black_white_icon, "Use a monochrome tray icon");
    STR(err_share_not_mounted, "The shared folder on the server is not mounted.");
    STR(main_queue_column_progress, "Progress");
    STR(tray_main_app, "Open Skylet Backup");
    STR(err_proto, "The server sent a response that could not be understood.");
    STR(err_syncfolder_not_mounted, "The backup folder is on a volume that is not mounted.");
    STR(btn_unlink, "Unlink");
    STR(err_diskfull, "There is not enough free space on the local disk.");
    STR(err_user_home_disabled, "The home folder service is disabled for your account on the server.");
    STR(main_status_uptodate, "Backup is up to date");
    STR(wizard_diskfull_sync_folder_warning, "There is not enough free space for the selected folder.");
    STR(msg_about, "Skylet Backup keeps a copy of your files on your own server.");
    STR(err_backup_fail, "The backup failed.");
    STR(wizard_summary_table_path, "Path");
    STR(setting_proxy_manual, "Manual proxy configuration");
    STR(wizard_summary_table_remote_title, kTextDestination);
    STR(err_otp_required, "A verification code is required to sign in.");
    STR(connection_unlink_confirm, "Unlink this computer from the server? Backups already stored stay on the server.");
    STR(btn_resume, "Resume");
    STR(setting_proxy_password, kTextPassword);
    STR(desc_skyl_env_preparing, "Skylet Backup is initializing...");
    STR(backup_chooser_no_folder_selected, "No folder is selected. Please choose at least one folder to back up.");
    STR(setting_proxy_sys_proxy, "Use the system proxy settings");
    STR(btn_wizard_readonly_no, "Not now");
    STR(setting_tab_folder, kTextLocalFolders);
    STR(main_queue_column_file, "File");
    STR(setting_proxy_err_empty_username, "Please enter a user name for the proxy server.");
    STR(setting_tab_filter, "Filter");
    STR(msg_ssl_change, "The certificate of the server has changed since the last connection.");
    STR(connection_unlinking, "Unlinking...");
    STR(connection_ssl, "Use a secure connection (SSL)");
    STR(version, "Version: %1");
    STR(main_queue_title, "Transfer queue");
    STR(btn_pause, "Pause");
    STR(wizard_source_readonly_warning, "The source folder is read-only. Its files can be backed up but not restored into it.");
    STR(read_only_tooltip, "This folder is read-only.");
    STR(msg_error, "Error");
    STR(main_status_pause, "Backup paused");
    STR(tray_upgrade, kTextUpgrade);
    STR(setting_option_language_restart, "The new language takes effect after Skylet Backup restarts.");
    STR(setting_proxy_err_invalid_port, "The proxy port must be a number from 1 to 65535.");
    STR(main_queue_uploading, "Uploading");
    STR(wizard_ssl_change_sync_folder_warning, kTextSslChanged);
    STR(err_ip_not_allowed, "The server does not accept connections from this IP address.");
    STR(connection_password, kTextPassword);
    STR(backup_chooser_destination, kTextDestination);
    STR(msg_test_connect, "Testing the connection...");
    STR(msg_ssl_error, "A secure connection to the server could not be established.");
    STR(btn_no_need, "Not needed");
    STR(setting_proxy_port, "Port:");
    STR(wizard_connection_title, "Connect to your server");
    STR(err_otp_invalid, "The verification code is incorrect.");
    STR(btn_select, "Select");
    STR(wizard_share_name_duplicate_warning, "A shared folder with this name already exists.");
    STR(wizard_welcome_info, "This wizard helps you set up the backup of your computer.");
    STR(main_status_connecting, "Connecting...");
    STR(share_enabled, "Sharing enabled");
    STR(tray_about, "About");
    STR(wizard_access_deny_sync_folder_warning, "You do not have permission to access the selected folder.");
    STR(err_quotafull, "Your storage quota on the server is full.");
    STR(setting_filter_table_editor_tooltip, "Double-click to edit the file extension.");
    STR(btn_continue, "Continue");
    STR(setting_filter_max_size, "Maximum file size (MB):");
    STR(main_status_syncing, "Backing up...");
    STR(wizard_quotafull_sync_folder_warning, "The selected folder is larger than the quota left on the server.");
    STR(err_max_tries, "Too many failed attempts. Please try again later.");
    STR(setting_filter_zero_desc, "Enter 0 to back up files of any size.");
    STR(err_abnormal, "An unexpected error occurred.");
    STR(err_init_failed, "Skylet Backup could not be initialized.");
    STR(err_hb_not_match, "The backup task on the server does not belong to this computer.");
    STR(treedialog_server_desc, "Choose a folder on the server:");
    STR(msg_test_username_fail, "The user name or password is incorrect.");
    STR(setting_option_language_title, "Language:");
    STR(setting_option_language_default, "System default");
    STR(btn_ssl_continue, "Connect anyway");
    STR(wizard_summary_table_local_title, kTextLocalFolders);
    STR(wizard_setsyncfolder_desc, "Choose the folder on this computer that you want to back up.");
    STR(err_otp_enforced, "The server requires two-step verification for your account. Please turn it on first.");
    STR(btn_next, "Next");
    STR(btn_apply, "Apply");
    STR(setting_proxy_err_ipport_empty, "Please enter the proxy address and port.");
    STR(wizard_user_disable_sync_folder_warning, "Your account is disabled on the server.");
    STR(wizard_conflict_backup_warning, "This folder is already backed up by another task.");
    STR(err_no_valid_folder, "There is no valid folder to back up.");
    STR(main_queue_locking, "Waiting for the file to be unlocked");
    STR(setting_proxy_no_proxy, "No proxy");
    STR(tray_help, "Help");
    STR(err_version_server, "The server version is not supported. Please update the server.");
    STR(treedialog_pc_title, "Choose a folder on this computer");
    STR(setting_filter_size_limit_tooltip, "Files larger than this size are not backed up.");
    STR(btn_ok, kTextOk);
    STR(setting_filter_ignore_local_delete, "Keep files on the server when they are deleted locally");
    STR(err_network, kTextNetwork);
    STR(main_queue_column_status, "Status");
    STR(wizard_ssl_verify_fail_sync_folder_warning, kTextSslVerifyFail);
    STR(backup_chooser_choose_source, "Choose source folders");
    STR(wizard_readonly_backup_desc, "Read-only folders are backed up, but files cannot be restored into them.");
    STR(setting_proxy_ip, "Address:");
    STR(title_ssl_warning, "Security warning");
    STR(setting_tab_proxy, kTextProxy);
    STR(main_queue_waiting, "Waiting");
    STR(msg_download_downloading, "Downloading the update...");
    STR(wizard_welcome_desc, "Welcome to Skylet Backup");
    STR(setting_proxy_username, "Proxy user name:");
    STR(connection_use_farlink, "Connect through the FarLink relay");
    STR(wizard_summary_table_account, "Account");
    STR(wizard_client_upgrade, kTextUpgrade);
    STR(wizard_system_err_sync_folder_warning, kTextInvalidRequest);
    STR(wizard_share_nonexist_sync_folder_warning, "The shared folder does not exist on the server.");
    STR(wizard_client_upgrade_failed, "%1 upgrade failed (error code: %2).");
    STR(wizard_summary_title, "Summary");
    STR(main_queue_preparing, "Preparing");
    STR(setting_tab_option, "Options");
    STR(wizard_readonly_sync_folder_warning, "The selected folder on the server is read-only.");
    STR(main_status_error, "Backup stopped with errors");
    STR(tray_click_to_update, "Click here to update Skylet Backup.");
    STR(read_only, "Read-only");
    STR(err_autoconn_ctrl, "The server administrator does not allow automatic connections.");
    STR(wizard_conflict_sync_folder_warning, "The selected folder overlaps a folder that is already backed up.");
    STR(btn_advanced, "Advanced");
    STR(main_desc_processing_count, "Processing %1 file(s)...");
    STR(wizard_summary_table_except_path, "Excluded paths");
    STR(err_share_perm, "You do not have permission to write to the shared folder.");
    STR(setting_filter_table_desc, "Files with these extensions are not backed up:");
    STR(err_auth, "Authentication failed.");
    STR(btn_settings, "Settings");
    STR(upgrade_failed, "The upgrade failed.");
    STR(local_hb_search, "Searching for earlier backups on this computer...");
    STR(btn_back, "Back");
    STR(main_queue_progress, "%1 / %2");
    STR(btn_start_now, "Start now");
    STR(main_desc_processing_file, "Backing up %1");
    STR(setting_proxy_auth, "The proxy server requires authentication");
    STR(wizard_summary_table_server, "Server");
    STR(wizard_setsyncfolder_title, "Choose the folder to back up");
    STR(err_invalid, kTextInvalidRequest);
    STR(msg_download_done, kTextCompleted);
    STR(err_ssl_change, kTextSslChanged);
    STR(err_create_session_fail, "A session with the server could not be created.");
    STR(desc_skyl_env_preparation_done, "Skylet Backup is ready.");
    STR(btn_cancel, "Cancel");
    STR(err_version_client, "This version of Skylet Backup is no longer supported. Please upgrade.");
    STR(setting_filter_table_title, "Excluded file extensions");
    STR(manage_setting_applying, "Applying settings...");
    STR(tray_updating, "Updating...");
    STR(wizard_find_local_hb_tooltip, "Look for a backup made earlier on this computer");
    STR(setting_option_start_upon_login, "Start Skylet Backup when I log in");
    STR(wizard_summary_desc, "Check the settings below, then click Done to start the backup.");
    STR(wizard_network_err_sync_folder_warning, kTextNetwork);
}

#undef STR

QString LoadStr(int id)
{
    // Ids outside the table have no text; answer with an empty string rather
    // than read past the array.
    if (id < 0 || static_cast<unsigned int>(id) >= NUM_STRING_IDS || stab[id] == nullptr)
        return QString();
    QString text = QCoreApplication::translate("global", stab[id], nullptr, -1);
    // Each pass scans once, left to right, and never revisits what it wrote,
    // so a doubled backslash before n keeps its first backslash.
    text.replace(QLatin1String("\\n"), QLatin1String("\n"), Qt::CaseSensitive);
    text.replace(QLatin1String("\\t"), QLatin1String("\t"), Qt::CaseSensitive);
    return text;
}

int LookupStrID(QString key)
{
    const QByteArray local = key.toLocal8Bit();
    for (unsigned int id = 0; id < NUM_STRING_IDS; ++id) {
        if (ktab[id] != nullptr && qstricmp(local.constData(), ktab[id]) == 0)
            return static_cast<int>(id);
    }
    return -1;
}

} // namespace StrTable
