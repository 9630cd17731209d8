<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <extracomment>main_desc_last_upload</extracomment>
        <translation>上次備份：%1</translation>
    </message>
    <message>
        <source>Skip files and folders whose names begin with a dot</source>
        <extracomment>setting_filter_point_prefix</extracomment>
        <translation>略過名稱以點開頭的檔案和資料夾</translation>
    </message>
    <message>
        <source>Please check your user name and password.</source>
        <extracomment>msg_checkpass</extracomment>
        <translation>請檢查您的使用者名稱和密碼。</translation>
    </message>
    <message>
        <source>Skylet Backup</source>
        <extracomment>app_name</extracomment>
        <translation>Skylet Backup</translation>
    </message>
    <message>
        <source>The automatic connection ID is invalid.</source>
        <extracomment>err_autoconn_invalidid</extracomment>
        <translation>自動連線 ID 無效。</translation>
    </message>
    <message>
        <source>The selected backup folder is invalid. Please choose another folder.</source>
        <extracomment>wizard_invalid_sync_folder_warning</extracomment>
        <translation>所選的備份資料夾無效。請選擇其他資料夾。</translation>
    </message>
    <message>
        <source>Enter the address of your backup server and your account details.</source>
        <extracomment>wizard_connection_desc</extracomment>
        <translation>請輸入備份伺服器的位址和您的帳戶資訊。</translation>
    </message>
    <message>
        <source>User name:</source>
        <extracomment>connection_username</extracomment>
        <translation>使用者名稱：</translation>
    </message>
    <message>
        <source>The backup direction of this task does not match the server settings.</source>
        <extracomment>err_sync_direction_mismatch</extracomment>
        <translation>此任務的備份方向與伺服器設定不符。</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <extracomment>connection_enter_otp</extracomment>
        <translation>請輸入驗證器應用程式中顯示的驗證碼：</translation>
    </message>
    <message>
        <source>The shared folder on the server has reached its quota.</source>
        <extracomment>msg_share_quotafull</extracomment>
        <translation>伺服器上的共用資料夾已達到配額上限。</translation>
    </message>
    <message>
        <source>The server certificate could not be verified.</source>
        <extracomment>err_ssl_verify_fail, wizard_ssl_verify_fail_sync_folder_warning</extracomment>
        <translation>無法驗證伺服器憑證。</translation>
    </message>
    <message>
        <source>Connection</source>
        <extracomment>setting_tab_connection</extracomment>
        <translation>連線</translation>
    </message>
    <message>
        <source>Proxy</source>
        <extracomment>btn_proxy, setting_tab_proxy</extracomment>
        <translation>代理伺服器</translation>
    </message>
    <message>
        <source>Done</source>
        <extracomment>btn_done</extracomment>
        <translation>完成</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>tray_exit</extracomment>
        <translation>結束</translation>
    </message>
    <message>
        <source>Choose the local folders to back up and where to store them on the server.</source>
        <extracomment>backup_chooser_desc</extracomment>
        <translation>選擇要備份的本機資料夾，以及它們在伺服器上的儲存位置。</translation>
    </message>
    <message>
        <source>Completed</source>
        <extracomment>main_queue_completed, msg_download_done</extracomment>
        <translation>已完成</translation>
    </message>
    <message>
        <source>The backup task on the server has been changed by another computer.</source>
        <extracomment>err_hb_change</extracomment>
        <translation>伺服器上的備份任務已被另一部電腦變更。</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <extracomment>err_local_sync_folder_miss</extracomment>
        <translation>找不到本機備份資料夾。</translation>
    </message>
    <message>
        <source>Server address:</source>
        <extracomment>connection_server</extracomment>
        <translation>伺服器位址：</translation>
    </message>
    <message>
        <source>Need help? The online help explains every step of the setup.</source>
        <extracomment>wizard_welcome_help</extracomment>
        <translation>需要協助嗎？線上說明會逐步解說設定的每個步驟。</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>btn_wizard_readonly_yes, btn_ok</extracomment>
        <translation>確定</translation>
    </message>
    <message>
        <source>The local database is damaged or cannot be opened.</source>
        <extracomment>err_database</extracomment>
        <translation>本機資料庫已損毀或無法開啟。</translation>
    </message>
    <message>
        <source>Your files, safely backed up.</source>
        <extracomment>wizard_welcome_slogan</extracomment>
        <translation>您的檔案，安全備份。</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <extracomment>setting_option_use_black_white_icon</extracomment>
        <translation>使用單色系統匣圖示</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted.</source>
        <extracomment>err_share_not_mounted</extracomment>
        <translation>伺服器上的共用資料夾未掛載。</translation>
    </message>
    <message>
        <source>Progress</source>
        <extracomment>main_queue_column_progress</extracomment>
        <translation>進度</translation>
    </message>
    <message>
        <source>Open Skylet Backup</source>
        <extracomment>tray_main_app</extracomment>
        <translation>開啟 Skylet Backup</translation>
    </message>
    <message>
        <source>The server sent a response that could not be understood.</source>
        <extracomment>err_proto</extracomment>
        <translation>伺服器傳回了無法辨識的回應。</translation>
    </message>
    <message>
        <source>The backup folder is on a volume that is not mounted.</source>
        <extracomment>err_syncfolder_not_mounted</extracomment>
        <translation>備份資料夾所在的磁碟區未掛載。</translation>
    </message>
    <message>
        <source>Unlink</source>
        <extracomment>btn_unlink</extracomment>
        <translation>取消連結</translation>
    </message>
    <message>
        <source>There is not enough free space on the local disk.</source>
        <extracomment>err_diskfull</extracomment>
        <translation>本機磁碟空間不足。</translation>
    </message>
    <message>
        <source>The home folder service is disabled for your account on the server.</source>
        <extracomment>err_user_home_disabled</extracomment>
        <translation>伺服器已對您的帳戶停用主資料夾服務。</translation>
    </message>
    <message>
        <source>Backup is up to date</source>
        <extracomment>main_status_uptodate</extracomment>
        <translation>備份已是最新狀態</translation>
    </message>
    <message>
        <source>There is not enough free space for the selected folder.</source>
        <extracomment>wizard_diskfull_sync_folder_warning</extracomment>
        <translation>可用空間不足以容納所選資料夾。</translation>
    </message>
    <message>
        <source>Skylet Backup keeps a copy of your files on your own server.</source>
        <extracomment>msg_about</extracomment>
        <translation>Skylet Backup 會在您自己的伺服器上保存檔案的副本。</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <extracomment>err_backup_fail</extracomment>
        <translation>備份失敗。</translation>
    </message>
    <message>
        <source>Path</source>
        <extracomment>wizard_summary_table_path</extracomment>
        <translation>路徑</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <extracomment>setting_proxy_manual</extracomment>
        <translation>手動設定代理伺服器</translation>
    </message>
    <message>
        <source>Destination</source>
        <extracomment>wizard_summary_table_remote_title, backup_chooser_destination</extracomment>
        <translation>目的地</translation>
    </message>
    <message>
        <source>A verification code is required to sign in.</source>
        <extracomment>err_otp_required</extracomment>
        <translation>登入需要驗證碼。</translation>
    </message>
    <message>
        <source>Unlink this computer from the server? Backups already stored stay on the server.</source>
        <extracomment>connection_unlink_confirm</extracomment>
        <translation>要取消此電腦與伺服器的連結嗎？已儲存的備份會保留在伺服器上。</translation>
    </message>
    <message>
        <source>Resume</source>
        <extracomment>btn_resume</extracomment>
        <translation>繼續</translation>
    </message>
    <message>
        <source>Password:</source>
        <extracomment>setting_proxy_password, connection_password</extracomment>
        <translation>密碼：</translation>
    </message>
    <message>
        <source>Skylet Backup is initializing...</source>
        <extracomment>desc_skyl_env_preparing</extracomment>
        <translation>Skylet Backup 準備中...</translation>
    </message>
    <message>
        <source>No folder is selected. Please choose at least one folder to back up.</source>
        <extracomment>backup_chooser_no_folder_selected</extracomment>
        <translation>未選擇任何資料夾。請至少選擇一個要備份的資料夾。</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <extracomment>setting_proxy_sys_proxy</extracomment>
        <translation>使用系統代理伺服器設定</translation>
    </message>
    <message>
        <source>Not now</source>
        <extracomment>btn_wizard_readonly_no</extracomment>
        <translation>稍後再說</translation>
    </message>
    <message>
        <source>Local folders</source>
        <extracomment>setting_tab_folder, wizard_summary_table_local_title</extracomment>
        <translation>本機資料夾</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>main_queue_column_file</extracomment>
        <translation>檔案</translation>
    </message>
    <message>
        <source>Please enter a user name for the proxy server.</source>
        <extracomment>setting_proxy_err_empty_username</extracomment>
        <translation>請輸入代理伺服器的使用者名稱。</translation>
    </message>
    <message>
        <source>Filter</source>
        <extracomment>setting_tab_filter</extracomment>
        <translation>篩選</translation>
    </message>
    <message>
        <source>The certificate of the server has changed since the last connection.</source>
        <extracomment>msg_ssl_change</extracomment>
        <translation>伺服器憑證自上次連線後已變更。</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <extracomment>connection_unlinking</extracomment>
        <translation>正在取消連結...</translation>
    </message>
    <message>
        <source>Use a secure connection (SSL)</source>
        <extracomment>connection_ssl</extracomment>
        <translation>使用安全連線（SSL）</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <extracomment>version</extracomment>
        <translation>版本：%1</translation>
    </message>
    <message>
        <source>Transfer queue</source>
        <extracomment>main_queue_title</extracomment>
        <translation>傳輸佇列</translation>
    </message>
    <message>
        <source>Pause</source>
        <extracomment>btn_pause</extracomment>
        <translation>暫停</translation>
    </message>
    <message>
        <source>The source folder is read-only. Its files can be backed up but not restored into it.</source>
        <extracomment>wizard_source_readonly_warning</extracomment>
        <translation>來源資料夾為唯讀。其中的檔案可以備份，但無法還原到此資料夾。</translation>
    </message>
    <message>
        <source>This folder is read-only.</source>
        <extracomment>read_only_tooltip</extracomment>
        <translation>此資料夾為唯讀。</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>msg_error</extracomment>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>Backup paused</source>
        <extracomment>main_status_pause</extracomment>
        <translation>備份已暫停</translation>
    </message>
    <message>
        <source>Upgrade Skylet Backup</source>
        <extracomment>tray_upgrade, wizard_client_upgrade</extracomment>
        <translation>升級 Skylet Backup</translation>
    </message>
    <message>
        <source>The new language takes effect after Skylet Backup restarts.</source>
        <extracomment>setting_option_language_restart</extracomment>
        <translation>新語言將在 Skylet Backup 重新啟動後生效。</translation>
    </message>
    <message>
        <source>The proxy port must be a number from 1 to 65535.</source>
        <extracomment>setting_proxy_err_invalid_port</extracomment>
        <translation>代理伺服器連接埠必須是 1 到 65535 之間的數字。</translation>
    </message>
    <message>
        <source>Uploading</source>
        <extracomment>main_queue_uploading</extracomment>
        <translation>正在上傳</translation>
    </message>
    <message>
        <source>The server certificate has changed. Make sure that you are connecting to the right server.</source>
        <extracomment>wizard_ssl_change_sync_folder_warning, err_ssl_change</extracomment>
        <translation>伺服器憑證已變更。請確認您連線的是正確的伺服器。</translation>
    </message>
    <message>
        <source>The server does not accept connections from this IP address.</source>
        <extracomment>err_ip_not_allowed</extracomment>
        <translation>伺服器不接受來自此 IP 位址的連線。</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <extracomment>msg_test_connect</extracomment>
        <translation>正在測試連線...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <extracomment>msg_ssl_error</extracomment>
        <translation>無法與伺服器建立安全連線。</translation>
    </message>
    <message>
        <source>Not needed</source>
        <extracomment>btn_no_need</extracomment>
        <translation>不需要</translation>
    </message>
    <message>
        <source>Port:</source>
        <extracomment>setting_proxy_port</extracomment>
        <translation>連接埠：</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <extracomment>wizard_connection_title</extracomment>
        <translation>連線到您的伺服器</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <extracomment>err_otp_invalid</extracomment>
        <translation>驗證碼不正確。</translation>
    </message>
    <message>
        <source>Select</source>
        <extracomment>btn_select</extracomment>
        <translation>選取</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <extracomment>wizard_share_name_duplicate_warning</extracomment>
        <translation>已存在同名的共用資料夾。</translation>
    </message>
    <message>
        <source>This wizard helps you set up the backup of your computer.</source>
        <extracomment>wizard_welcome_info</extracomment>
        <translation>此精靈會協助您設定電腦的備份。</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <extracomment>main_status_connecting</extracomment>
        <translation>正在連線...</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <extracomment>share_enabled</extracomment>
        <translation>已啟用共用</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>tray_about</extracomment>
        <translation>關於</translation>
    </message>
    <message>
        <source>You do not have permission to access the selected folder.</source>
        <extracomment>wizard_access_deny_sync_folder_warning</extracomment>
        <translation>您沒有存取所選資料夾的權限。</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <extracomment>err_quotafull</extracomment>
        <translation>您在伺服器上的儲存配額已滿。</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <extracomment>setting_filter_table_editor_tooltip</extracomment>
        <translation>按兩下以編輯副檔名。</translation>
    </message>
    <message>
        <source>Continue</source>
        <extracomment>btn_continue</extracomment>
        <translation>繼續</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <extracomment>setting_filter_max_size</extracomment>
        <translation>檔案大小上限（MB）：</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <extracomment>main_status_syncing</extracomment>
        <translation>正在備份...</translation>
    </message>
    <message>
        <source>The selected folder is larger than the quota left on the server.</source>
        <extracomment>wizard_quotafull_sync_folder_warning</extracomment>
        <translation>所選資料夾大於伺服器上的剩餘配額。</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <extracomment>err_max_tries</extracomment>
        <translation>失敗次數過多。請稍後再試。</translation>
    </message>
    <message>
        <source>Enter 0 to back up files of any size.</source>
        <extracomment>setting_filter_zero_desc</extracomment>
        <translation>輸入 0 可備份任意大小的檔案。</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <extracomment>err_abnormal</extracomment>
        <translation>發生未預期的錯誤。</translation>
    </message>
    <message>
        <source>Skylet Backup could not be initialized.</source>
        <extracomment>err_init_failed</extracomment>
        <translation>無法初始化 Skylet Backup。</translation>
    </message>
    <message>
        <source>The backup task on the server does not belong to this computer.</source>
        <extracomment>err_hb_not_match</extracomment>
        <translation>伺服器上的備份任務不屬於此電腦。</translation>
    </message>
    <message>
        <source>Choose a folder on the server:</source>
        <extracomment>treedialog_server_desc</extracomment>
        <translation>選擇伺服器上的資料夾：</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <extracomment>msg_test_username_fail</extracomment>
        <translation>使用者名稱或密碼不正確。</translation>
    </message>
    <message>
        <source>Language:</source>
        <extracomment>setting_option_language_title</extracomment>
        <translation>語言：</translation>
    </message>
    <message>
        <source>System default</source>
        <extracomment>setting_option_language_default</extracomment>
        <translation>系統預設</translation>
    </message>
    <message>
        <source>Connect anyway</source>
        <extracomment>btn_ssl_continue</extracomment>
        <translation>仍要連線</translation>
    </message>
    <message>
        <source>Choose the folder on this computer that you want to back up.</source>
        <extracomment>wizard_setsyncfolder_desc</extracomment>
        <translation>選擇此電腦上要備份的資料夾。</translation>
    </message>
    <message>
        <source>The server requires two-step verification for your account. Please turn it on first.</source>
        <extracomment>err_otp_enforced</extracomment>
        <translation>伺服器要求您的帳戶使用兩步驟驗證。請先啟用兩步驟驗證。</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>btn_next</extracomment>
        <translation>下一步</translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>btn_apply</extracomment>
        <translation>套用</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <extracomment>setting_proxy_err_ipport_empty</extracomment>
        <translation>請輸入代理伺服器位址和連接埠。</translation>
    </message>
    <message>
        <source>Your account is disabled on the server.</source>
        <extracomment>wizard_user_disable_sync_folder_warning</extracomment>
        <translation>您的帳戶在伺服器上已被停用。</translation>
    </message>
    <message>
        <source>This folder is already backed up by another task.</source>
        <extracomment>wizard_conflict_backup_warning</extracomment>
        <translation>此資料夾已由另一個任務備份。</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <extracomment>err_no_valid_folder</extracomment>
        <translation>沒有可備份的有效資料夾。</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked</source>
        <extracomment>main_queue_locking</extracomment>
        <translation>正在等待檔案解除鎖定</translation>
    </message>
    <message>
        <source>No proxy</source>
        <extracomment>setting_proxy_no_proxy</extracomment>
        <translation>不使用代理伺服器</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>tray_help</extracomment>
        <translation>說明</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server.</source>
        <extracomment>err_version_server</extracomment>
        <translation>不支援此伺服器版本。請更新伺服器。</translation>
    </message>
    <message>
        <source>Choose a folder on this computer</source>
        <extracomment>treedialog_pc_title</extracomment>
        <translation>選擇此電腦上的資料夾</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <extracomment>setting_filter_size_limit_tooltip</extracomment>
        <translation>大於此大小的檔案不會備份。</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted locally</source>
        <extracomment>setting_filter_ignore_local_delete</extracomment>
        <translation>在本機刪除檔案時保留伺服器上的檔案</translation>
    </message>
    <message>
        <source>The network is unavailable. Please check your connection.</source>
        <extracomment>err_network, wizard_network_err_sync_folder_warning</extracomment>
        <translation>無法使用網路。請檢查您的網路連線。</translation>
    </message>
    <message>
        <source>Status</source>
        <extracomment>main_queue_column_status</extracomment>
        <translation>狀態</translation>
    </message>
    <message>
        <source>Choose source folders</source>
        <extracomment>backup_chooser_choose_source</extracomment>
        <translation>選擇來源資料夾</translation>
    </message>
    <message>
        <source>Read-only folders are backed up, but files cannot be restored into them.</source>
        <extracomment>wizard_readonly_backup_desc</extracomment>
        <translation>唯讀資料夾會進行備份，但無法將檔案還原到其中。</translation>
    </message>
    <message>
        <source>Address:</source>
        <extracomment>setting_proxy_ip</extracomment>
        <translation>位址：</translation>
    </message>
    <message>
        <source>Security warning</source>
        <extracomment>title_ssl_warning</extracomment>
        <translation>安全性警告</translation>
    </message>
    <message>
        <source>Waiting</source>
        <extracomment>main_queue_waiting</extracomment>
        <translation>等待中</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <extracomment>msg_download_downloading</extracomment>
        <translation>正在下載更新...</translation>
    </message>
    <message>
        <source>Welcome to Skylet Backup</source>
        <extracomment>wizard_welcome_desc</extracomment>
        <translation>歡迎使用 Skylet Backup</translation>
    </message>
    <message>
        <source>Proxy user name:</source>
        <extracomment>setting_proxy_username</extracomment>
        <translation>代理伺服器使用者名稱：</translation>
    </message>
    <message>
        <source>Connect through the FarLink relay</source>
        <extracomment>connection_use_farlink</extracomment>
        <translation>透過 FarLink 中繼連線</translation>
    </message>
    <message>
        <source>Account</source>
        <extracomment>wizard_summary_table_account</extracomment>
        <translation>帳戶</translation>
    </message>
    <message>
        <source>The request could not be processed.</source>
        <extracomment>wizard_system_err_sync_folder_warning, err_invalid</extracomment>
        <translation>無法處理此要求。</translation>
    </message>
    <message>
        <source>The shared folder does not exist on the server.</source>
        <extracomment>wizard_share_nonexist_sync_folder_warning</extracomment>
        <translation>伺服器上不存在此共用資料夾。</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <extracomment>wizard_client_upgrade_failed</extracomment>
        <translation>%1 升級失敗（錯誤代碼：%2）。</translation>
    </message>
    <message>
        <source>Summary</source>
        <extracomment>wizard_summary_title</extracomment>
        <translation>摘要</translation>
    </message>
    <message>
        <source>Preparing</source>
        <extracomment>main_queue_preparing</extracomment>
        <translation>準備中</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>setting_tab_option</extracomment>
        <translation>選項</translation>
    </message>
    <message>
        <source>The selected folder on the server is read-only.</source>
        <extracomment>wizard_readonly_sync_folder_warning</extracomment>
        <translation>伺服器上所選的資料夾為唯讀。</translation>
    </message>
    <message>
        <source>Backup stopped with errors</source>
        <extracomment>main_status_error</extracomment>
        <translation>備份因發生錯誤而停止</translation>
    </message>
    <message>
        <source>Click here to update Skylet Backup.</source>
        <extracomment>tray_click_to_update</extracomment>
        <translation>按一下這裡以更新 Skylet Backup。</translation>
    </message>
    <message>
        <source>Read-only</source>
        <extracomment>read_only</extracomment>
        <translation>唯讀</translation>
    </message>
    <message>
        <source>The server administrator does not allow automatic connections.</source>
        <extracomment>err_autoconn_ctrl</extracomment>
        <translation>伺服器管理員不允許自動連線。</translation>
    </message>
    <message>
        <source>The selected folder overlaps a folder that is already backed up.</source>
        <extracomment>wizard_conflict_sync_folder_warning</extracomment>
        <translation>所選資料夾與已備份的資料夾重疊。</translation>
    </message>
    <message>
        <source>Advanced</source>
        <extracomment>btn_advanced</extracomment>
        <translation>進階</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <extracomment>main_desc_processing_count</extracomment>
        <translation>正在處理 %1 個檔案...</translation>
    </message>
    <message>
        <source>Excluded paths</source>
        <extracomment>wizard_summary_table_except_path</extracomment>
        <translation>排除的路徑</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder.</source>
        <extracomment>err_share_perm</extracomment>
        <translation>您沒有寫入此共用資料夾的權限。</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <extracomment>setting_filter_table_desc</extracomment>
        <translation>不備份具有以下副檔名的檔案：</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <extracomment>err_auth</extracomment>
        <translation>驗證失敗。</translation>
    </message>
    <message>
        <source>Settings</source>
        <extracomment>btn_settings</extracomment>
        <translation>設定</translation>
    </message>
    <message>
        <source>The upgrade failed.</source>
        <extracomment>upgrade_failed</extracomment>
        <translation>升級失敗。</translation>
    </message>
    <message>
        <source>Searching for earlier backups on this computer...</source>
        <extracomment>local_hb_search</extracomment>
        <translation>正在此電腦上搜尋先前的備份...</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>btn_back</extracomment>
        <translation>上一步</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <extracomment>main_queue_progress</extracomment>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <extracomment>btn_start_now</extracomment>
        <translation>立即開始</translation>
    </message>
    <message>
        <source>Backing up %1</source>
        <extracomment>main_desc_processing_file</extracomment>
        <translation>正在備份 %1</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <extracomment>setting_proxy_auth</extracomment>
        <translation>代理伺服器需要驗證</translation>
    </message>
    <message>
        <source>Server</source>
        <extracomment>wizard_summary_table_server</extracomment>
        <translation>伺服器</translation>
    </message>
    <message>
        <source>Choose the folder to back up</source>
        <extracomment>wizard_setsyncfolder_title</extracomment>
        <translation>選擇要備份的資料夾</translation>
    </message>
    <message>
        <source>A session with the server could not be created.</source>
        <extracomment>err_create_session_fail</extracomment>
        <translation>無法建立與伺服器的工作階段。</translation>
    </message>
    <message>
        <source>Skylet Backup is ready.</source>
        <extracomment>desc_skyl_env_preparation_done</extracomment>
        <translation>Skylet Backup 準備完成</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>btn_cancel</extracomment>
        <translation>取消</translation>
    </message>
    <message>
        <source>This version of Skylet Backup is no longer supported. Please upgrade.</source>
        <extracomment>err_version_client</extracomment>
        <translation>此版本的 Skylet Backup 已不再受支援。請升級。</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <extracomment>setting_filter_table_title</extracomment>
        <translation>排除的副檔名</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <extracomment>manage_setting_applying</extracomment>
        <translation>正在套用設定...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <extracomment>tray_updating</extracomment>
        <translation>正在更新...</translation>
    </message>
    <message>
        <source>Look for a backup made earlier on this computer</source>
        <extracomment>wizard_find_local_hb_tooltip</extracomment>
        <translation>尋找先前在此電腦上建立的備份</translation>
    </message>
    <message>
        <source>Start Skylet Backup when I log in</source>
        <extracomment>setting_option_start_upon_login</extracomment>
        <translation>登入時啟動 Skylet Backup</translation>
    </message>
    <message>
        <source>Check the settings below, then click Done to start the backup.</source>
        <extracomment>wizard_summary_desc</extracomment>
        <translation>請檢查下列設定，然後按一下「完成」開始備份。</translation>
    </message>
</context>
</TS>
