<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <extracomment>main_desc_last_upload</extracomment>
        <translation>上次备份：%1</translation>
    </message>
    <message>
        <source>Skip files and folders whose names begin with a dot</source>
        <extracomment>setting_filter_point_prefix</extracomment>
        <translation>跳过名称以点开头的文件和文件夹</translation>
    </message>
    <message>
        <source>Please check your user name and password.</source>
        <extracomment>msg_checkpass</extracomment>
        <translation>请检查您的用户名和密码。</translation>
    </message>
    <message>
        <source>Skylet Backup</source>
        <extracomment>app_name</extracomment>
        <translation>Skylet Backup</translation>
    </message>
    <message>
        <source>The automatic connection ID is invalid.</source>
        <extracomment>err_autoconn_invalidid</extracomment>
        <translation>自动连接 ID 无效。</translation>
    </message>
    <message>
        <source>The selected backup folder is invalid. Please choose another folder.</source>
        <extracomment>wizard_invalid_sync_folder_warning</extracomment>
        <translation>所选的备份文件夹无效。请选择其他文件夹。</translation>
    </message>
    <message>
        <source>Enter the address of your backup server and your account details.</source>
        <extracomment>wizard_connection_desc</extracomment>
        <translation>请输入备份服务器的地址和您的账户信息。</translation>
    </message>
    <message>
        <source>User name:</source>
        <extracomment>connection_username</extracomment>
        <translation>用户名：</translation>
    </message>
    <message>
        <source>The backup direction of this task does not match the server settings.</source>
        <extracomment>err_sync_direction_mismatch</extracomment>
        <translation>此任务的备份方向与服务器设置不符。</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <extracomment>connection_enter_otp</extracomment>
        <translation>请输入身份验证器应用中显示的验证码：</translation>
    </message>
    <message>
        <source>The shared folder on the server has reached its quota.</source>
        <extracomment>msg_share_quotafull</extracomment>
        <translation>服务器上的共享文件夹已达到配额上限。</translation>
    </message>
    <message>
        <source>The server certificate could not be verified.</source>
        <extracomment>err_ssl_verify_fail, wizard_ssl_verify_fail_sync_folder_warning</extracomment>
        <translation>无法验证服务器证书。</translation>
    </message>
    <message>
        <source>Connection</source>
        <extracomment>setting_tab_connection</extracomment>
        <translation>连接</translation>
    </message>
    <message>
        <source>Proxy</source>
        <extracomment>btn_proxy, setting_tab_proxy</extracomment>
        <translation>代理</translation>
    </message>
    <message>
        <source>Done</source>
        <extracomment>btn_done</extracomment>
        <translation>完成</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>tray_exit</extracomment>
        <translation>退出</translation>
    </message>
    <message>
        <source>Choose the local folders to back up and where to store them on the server.</source>
        <extracomment>backup_chooser_desc</extracomment>
        <translation>选择要备份的本地文件夹，以及它们在服务器上的存储位置。</translation>
    </message>
    <message>
        <source>Completed</source>
        <extracomment>main_queue_completed, msg_download_done</extracomment>
        <translation>已完成</translation>
    </message>
    <message>
        <source>The backup task on the server has been changed by another computer.</source>
        <extracomment>err_hb_change</extracomment>
        <translation>服务器上的备份任务已被另一台计算机更改。</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <extracomment>err_local_sync_folder_miss</extracomment>
        <translation>找不到本地备份文件夹。</translation>
    </message>
    <message>
        <source>Server address:</source>
        <extracomment>connection_server</extracomment>
        <translation>服务器地址：</translation>
    </message>
    <message>
        <source>Need help? The online help explains every step of the setup.</source>
        <extracomment>wizard_welcome_help</extracomment>
        <translation>需要帮助？在线帮助详细介绍了配置的每个步骤。</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>btn_wizard_readonly_yes, btn_ok</extracomment>
        <translation>确定</translation>
    </message>
    <message>
        <source>The local database is damaged or cannot be opened.</source>
        <extracomment>err_database</extracomment>
        <translation>本地数据库已损坏或无法打开。</translation>
    </message>
    <message>
        <source>Your files, safely backed up.</source>
        <extracomment>wizard_welcome_slogan</extracomment>
        <translation>您的文件，安全备份。</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <extracomment>setting_option_use_black_white_icon</extracomment>
        <translation>使用单色托盘图标</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted.</source>
        <extracomment>err_share_not_mounted</extracomment>
        <translation>服务器上的共享文件夹未挂载。</translation>
    </message>
    <message>
        <source>Progress</source>
        <extracomment>main_queue_column_progress</extracomment>
        <translation>进度</translation>
    </message>
    <message>
        <source>Open Skylet Backup</source>
        <extracomment>tray_main_app</extracomment>
        <translation>打开 Skylet Backup</translation>
    </message>
    <message>
        <source>The server sent a response that could not be understood.</source>
        <extracomment>err_proto</extracomment>
        <translation>服务器返回了无法识别的响应。</translation>
    </message>
    <message>
        <source>The backup folder is on a volume that is not mounted.</source>
        <extracomment>err_syncfolder_not_mounted</extracomment>
        <translation>备份文件夹所在的卷未挂载。</translation>
    </message>
    <message>
        <source>Unlink</source>
        <extracomment>btn_unlink</extracomment>
        <translation>取消关联</translation>
    </message>
    <message>
        <source>There is not enough free space on the local disk.</source>
        <extracomment>err_diskfull</extracomment>
        <translation>本地磁盘空间不足。</translation>
    </message>
    <message>
        <source>The home folder service is disabled for your account on the server.</source>
        <extracomment>err_user_home_disabled</extracomment>
        <translation>服务器已对您的账户禁用主文件夹服务。</translation>
    </message>
    <message>
        <source>Backup is up to date</source>
        <extracomment>main_status_uptodate</extracomment>
        <translation>备份已是最新</translation>
    </message>
    <message>
        <source>There is not enough free space for the selected folder.</source>
        <extracomment>wizard_diskfull_sync_folder_warning</extracomment>
        <translation>可用空间不足以容纳所选文件夹。</translation>
    </message>
    <message>
        <source>Skylet Backup keeps a copy of your files on your own server.</source>
        <extracomment>msg_about</extracomment>
        <translation>Skylet Backup 会在您自己的服务器上保存文件的副本。</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <extracomment>err_backup_fail</extracomment>
        <translation>备份失败。</translation>
    </message>
    <message>
        <source>Path</source>
        <extracomment>wizard_summary_table_path</extracomment>
        <translation>路径</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <extracomment>setting_proxy_manual</extracomment>
        <translation>手动配置代理</translation>
    </message>
    <message>
        <source>Destination</source>
        <extracomment>wizard_summary_table_remote_title, backup_chooser_destination</extracomment>
        <translation>目标位置</translation>
    </message>
    <message>
        <source>A verification code is required to sign in.</source>
        <extracomment>err_otp_required</extracomment>
        <translation>登录需要验证码。</translation>
    </message>
    <message>
        <source>Unlink this computer from the server? Backups already stored stay on the server.</source>
        <extracomment>connection_unlink_confirm</extracomment>
        <translation>要取消此计算机与服务器的关联吗？已存储的备份将保留在服务器上。</translation>
    </message>
    <message>
        <source>Resume</source>
        <extracomment>btn_resume</extracomment>
        <translation>继续</translation>
    </message>
    <message>
        <source>Password:</source>
        <extracomment>setting_proxy_password, connection_password</extracomment>
        <translation>密码：</translation>
    </message>
    <message>
        <source>Skylet Backup is initializing...</source>
        <extracomment>desc_skyl_env_preparing</extracomment>
        <translation>Skylet Backup 正在初始化...</translation>
    </message>
    <message>
        <source>No folder is selected. Please choose at least one folder to back up.</source>
        <extracomment>backup_chooser_no_folder_selected</extracomment>
        <translation>未选择任何文件夹。请至少选择一个要备份的文件夹。</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <extracomment>setting_proxy_sys_proxy</extracomment>
        <translation>使用系统代理设置</translation>
    </message>
    <message>
        <source>Not now</source>
        <extracomment>btn_wizard_readonly_no</extracomment>
        <translation>以后再说</translation>
    </message>
    <message>
        <source>Local folders</source>
        <extracomment>setting_tab_folder, wizard_summary_table_local_title</extracomment>
        <translation>本地文件夹</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>main_queue_column_file</extracomment>
        <translation>文件</translation>
    </message>
    <message>
        <source>Please enter a user name for the proxy server.</source>
        <extracomment>setting_proxy_err_empty_username</extracomment>
        <translation>请输入代理服务器的用户名。</translation>
    </message>
    <message>
        <source>Filter</source>
        <extracomment>setting_tab_filter</extracomment>
        <translation>筛选</translation>
    </message>
    <message>
        <source>The certificate of the server has changed since the last connection.</source>
        <extracomment>msg_ssl_change</extracomment>
        <translation>服务器证书自上次连接以来已更改。</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <extracomment>connection_unlinking</extracomment>
        <translation>正在取消关联...</translation>
    </message>
    <message>
        <source>Use a secure connection (SSL)</source>
        <extracomment>connection_ssl</extracomment>
        <translation>使用安全连接（SSL）</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <extracomment>version</extracomment>
        <translation>版本：%1</translation>
    </message>
    <message>
        <source>Transfer queue</source>
        <extracomment>main_queue_title</extracomment>
        <translation>传输队列</translation>
    </message>
    <message>
        <source>Pause</source>
        <extracomment>btn_pause</extracomment>
        <translation>暂停</translation>
    </message>
    <message>
        <source>The source folder is read-only. Its files can be backed up but not restored into it.</source>
        <extracomment>wizard_source_readonly_warning</extracomment>
        <translation>源文件夹为只读。其中的文件可以备份，但无法还原到该文件夹中。</translation>
    </message>
    <message>
        <source>This folder is read-only.</source>
        <extracomment>read_only_tooltip</extracomment>
        <translation>此文件夹为只读。</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>msg_error</extracomment>
        <translation>错误</translation>
    </message>
    <message>
        <source>Backup paused</source>
        <extracomment>main_status_pause</extracomment>
        <translation>备份已暂停</translation>
    </message>
    <message>
        <source>Upgrade Skylet Backup</source>
        <extracomment>tray_upgrade, wizard_client_upgrade</extracomment>
        <translation>升级 Skylet Backup</translation>
    </message>
    <message>
        <source>The new language takes effect after Skylet Backup restarts.</source>
        <extracomment>setting_option_language_restart</extracomment>
        <translation>新语言将在 Skylet Backup 重新启动后生效。</translation>
    </message>
    <message>
        <source>The proxy port must be a number from 1 to 65535.</source>
        <extracomment>setting_proxy_err_invalid_port</extracomment>
        <translation>代理端口必须是 1 到 65535 之间的数字。</translation>
    </message>
    <message>
        <source>Uploading</source>
        <extracomment>main_queue_uploading</extracomment>
        <translation>正在上传</translation>
    </message>
    <message>
        <source>The server certificate has changed. Make sure that you are connecting to the right server.</source>
        <extracomment>wizard_ssl_change_sync_folder_warning, err_ssl_change</extracomment>
        <translation>服务器证书已更改。请确认您连接的是正确的服务器。</translation>
    </message>
    <message>
        <source>The server does not accept connections from this IP address.</source>
        <extracomment>err_ip_not_allowed</extracomment>
        <translation>服务器不接受来自此 IP 地址的连接。</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <extracomment>msg_test_connect</extracomment>
        <translation>正在测试连接...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <extracomment>msg_ssl_error</extracomment>
        <translation>无法与服务器建立安全连接。</translation>
    </message>
    <message>
        <source>Not needed</source>
        <extracomment>btn_no_need</extracomment>
        <translation>不需要</translation>
    </message>
    <message>
        <source>Port:</source>
        <extracomment>setting_proxy_port</extracomment>
        <translation>端口：</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <extracomment>wizard_connection_title</extracomment>
        <translation>连接到您的服务器</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <extracomment>err_otp_invalid</extracomment>
        <translation>验证码不正确。</translation>
    </message>
    <message>
        <source>Select</source>
        <extracomment>btn_select</extracomment>
        <translation>选择</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <extracomment>wizard_share_name_duplicate_warning</extracomment>
        <translation>已存在同名的共享文件夹。</translation>
    </message>
    <message>
        <source>This wizard helps you set up the backup of your computer.</source>
        <extracomment>wizard_welcome_info</extracomment>
        <translation>此向导将帮助您配置计算机的备份。</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <extracomment>main_status_connecting</extracomment>
        <translation>正在连接...</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <extracomment>share_enabled</extracomment>
        <translation>已启用共享</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>tray_about</extracomment>
        <translation>关于</translation>
    </message>
    <message>
        <source>You do not have permission to access the selected folder.</source>
        <extracomment>wizard_access_deny_sync_folder_warning</extracomment>
        <translation>您没有访问所选文件夹的权限。</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <extracomment>err_quotafull</extracomment>
        <translation>您在服务器上的存储配额已满。</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <extracomment>setting_filter_table_editor_tooltip</extracomment>
        <translation>双击可编辑文件扩展名。</translation>
    </message>
    <message>
        <source>Continue</source>
        <extracomment>btn_continue</extracomment>
        <translation>继续</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <extracomment>setting_filter_max_size</extracomment>
        <translation>最大文件大小（MB）：</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <extracomment>main_status_syncing</extracomment>
        <translation>正在备份...</translation>
    </message>
    <message>
        <source>The selected folder is larger than the quota left on the server.</source>
        <extracomment>wizard_quotafull_sync_folder_warning</extracomment>
        <translation>所选文件夹大于服务器上的剩余配额。</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <extracomment>err_max_tries</extracomment>
        <translation>失败次数过多。请稍后重试。</translation>
    </message>
    <message>
        <source>Enter 0 to back up files of any size.</source>
        <extracomment>setting_filter_zero_desc</extracomment>
        <translation>输入 0 可备份任意大小的文件。</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <extracomment>err_abnormal</extracomment>
        <translation>发生意外错误。</translation>
    </message>
    <message>
        <source>Skylet Backup could not be initialized.</source>
        <extracomment>err_init_failed</extracomment>
        <translation>无法初始化 Skylet Backup。</translation>
    </message>
    <message>
        <source>The backup task on the server does not belong to this computer.</source>
        <extracomment>err_hb_not_match</extracomment>
        <translation>服务器上的备份任务不属于此计算机。</translation>
    </message>
    <message>
        <source>Choose a folder on the server:</source>
        <extracomment>treedialog_server_desc</extracomment>
        <translation>选择服务器上的文件夹：</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <extracomment>msg_test_username_fail</extracomment>
        <translation>用户名或密码不正确。</translation>
    </message>
    <message>
        <source>Language:</source>
        <extracomment>setting_option_language_title</extracomment>
        <translation>语言：</translation>
    </message>
    <message>
        <source>System default</source>
        <extracomment>setting_option_language_default</extracomment>
        <translation>系统默认</translation>
    </message>
    <message>
        <source>Connect anyway</source>
        <extracomment>btn_ssl_continue</extracomment>
        <translation>仍然连接</translation>
    </message>
    <message>
        <source>Choose the folder on this computer that you want to back up.</source>
        <extracomment>wizard_setsyncfolder_desc</extracomment>
        <translation>选择此计算机上要备份的文件夹。</translation>
    </message>
    <message>
        <source>The server requires two-step verification for your account. Please turn it on first.</source>
        <extracomment>err_otp_enforced</extracomment>
        <translation>服务器要求您的账户启用两步验证。请先启用两步验证。</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>btn_next</extracomment>
        <translation>下一步</translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>btn_apply</extracomment>
        <translation>应用</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <extracomment>setting_proxy_err_ipport_empty</extracomment>
        <translation>请输入代理地址和端口。</translation>
    </message>
    <message>
        <source>Your account is disabled on the server.</source>
        <extracomment>wizard_user_disable_sync_folder_warning</extracomment>
        <translation>您的账户在服务器上已被禁用。</translation>
    </message>
    <message>
        <source>This folder is already backed up by another task.</source>
        <extracomment>wizard_conflict_backup_warning</extracomment>
        <translation>此文件夹已由另一个任务备份。</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <extracomment>err_no_valid_folder</extracomment>
        <translation>没有可备份的有效文件夹。</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked</source>
        <extracomment>main_queue_locking</extracomment>
        <translation>正在等待文件解锁</translation>
    </message>
    <message>
        <source>No proxy</source>
        <extracomment>setting_proxy_no_proxy</extracomment>
        <translation>不使用代理</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>tray_help</extracomment>
        <translation>帮助</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server.</source>
        <extracomment>err_version_server</extracomment>
        <translation>不支持此服务器版本。请更新服务器。</translation>
    </message>
    <message>
        <source>Choose a folder on this computer</source>
        <extracomment>treedialog_pc_title</extracomment>
        <translation>选择此计算机上的文件夹</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <extracomment>setting_filter_size_limit_tooltip</extracomment>
        <translation>大于此大小的文件将不会备份。</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted locally</source>
        <extracomment>setting_filter_ignore_local_delete</extracomment>
        <translation>在本地删除文件时保留服务器上的文件</translation>
    </message>
    <message>
        <source>The network is unavailable. Please check your connection.</source>
        <extracomment>err_network, wizard_network_err_sync_folder_warning</extracomment>
        <translation>网络不可用。请检查您的网络连接。</translation>
    </message>
    <message>
        <source>Status</source>
        <extracomment>main_queue_column_status</extracomment>
        <translation>状态</translation>
    </message>
    <message>
        <source>Choose source folders</source>
        <extracomment>backup_chooser_choose_source</extracomment>
        <translation>选择源文件夹</translation>
    </message>
    <message>
        <source>Read-only folders are backed up, but files cannot be restored into them.</source>
        <extracomment>wizard_readonly_backup_desc</extracomment>
        <translation>只读文件夹会被备份，但无法将文件还原到其中。</translation>
    </message>
    <message>
        <source>Address:</source>
        <extracomment>setting_proxy_ip</extracomment>
        <translation>地址：</translation>
    </message>
    <message>
        <source>Security warning</source>
        <extracomment>title_ssl_warning</extracomment>
        <translation>安全警告</translation>
    </message>
    <message>
        <source>Waiting</source>
        <extracomment>main_queue_waiting</extracomment>
        <translation>正在等待</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <extracomment>msg_download_downloading</extracomment>
        <translation>正在下载更新...</translation>
    </message>
    <message>
        <source>Welcome to Skylet Backup</source>
        <extracomment>wizard_welcome_desc</extracomment>
        <translation>欢迎使用 Skylet Backup</translation>
    </message>
    <message>
        <source>Proxy user name:</source>
        <extracomment>setting_proxy_username</extracomment>
        <translation>代理用户名：</translation>
    </message>
    <message>
        <source>Connect through the FarLink relay</source>
        <extracomment>connection_use_farlink</extracomment>
        <translation>通过 FarLink 中继连接</translation>
    </message>
    <message>
        <source>Account</source>
        <extracomment>wizard_summary_table_account</extracomment>
        <translation>账户</translation>
    </message>
    <message>
        <source>The request could not be processed.</source>
        <extracomment>wizard_system_err_sync_folder_warning, err_invalid</extracomment>
        <translation>无法处理该请求。</translation>
    </message>
    <message>
        <source>The shared folder does not exist on the server.</source>
        <extracomment>wizard_share_nonexist_sync_folder_warning</extracomment>
        <translation>服务器上不存在该共享文件夹。</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <extracomment>wizard_client_upgrade_failed</extracomment>
        <translation>%1 升级失败（错误代码：%2）。</translation>
    </message>
    <message>
        <source>Summary</source>
        <extracomment>wizard_summary_title</extracomment>
        <translation>摘要</translation>
    </message>
    <message>
        <source>Preparing</source>
        <extracomment>main_queue_preparing</extracomment>
        <translation>正在准备</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>setting_tab_option</extracomment>
        <translation>选项</translation>
    </message>
    <message>
        <source>The selected folder on the server is read-only.</source>
        <extracomment>wizard_readonly_sync_folder_warning</extracomment>
        <translation>服务器上所选的文件夹为只读。</translation>
    </message>
    <message>
        <source>Backup stopped with errors</source>
        <extracomment>main_status_error</extracomment>
        <translation>备份因出错而停止</translation>
    </message>
    <message>
        <source>Click here to update Skylet Backup.</source>
        <extracomment>tray_click_to_update</extracomment>
        <translation>单击此处更新 Skylet Backup。</translation>
    </message>
    <message>
        <source>Read-only</source>
        <extracomment>read_only</extracomment>
        <translation>只读</translation>
    </message>
    <message>
        <source>The server administrator does not allow automatic connections.</source>
        <extracomment>err_autoconn_ctrl</extracomment>
        <translation>服务器管理员不允许自动连接。</translation>
    </message>
    <message>
        <source>The selected folder overlaps a folder that is already backed up.</source>
        <extracomment>wizard_conflict_sync_folder_warning</extracomment>
        <translation>所选文件夹与已备份的文件夹重叠。</translation>
    </message>
    <message>
        <source>Advanced</source>
        <extracomment>btn_advanced</extracomment>
        <translation>高级</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <extracomment>main_desc_processing_count</extracomment>
        <translation>正在处理 %1 个文件...</translation>
    </message>
    <message>
        <source>Excluded paths</source>
        <extracomment>wizard_summary_table_except_path</extracomment>
        <translation>排除的路径</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder.</source>
        <extracomment>err_share_perm</extracomment>
        <translation>您没有写入该共享文件夹的权限。</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <extracomment>setting_filter_table_desc</extracomment>
        <translation>不备份具有以下扩展名的文件：</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <extracomment>err_auth</extracomment>
        <translation>身份验证失败。</translation>
    </message>
    <message>
        <source>Settings</source>
        <extracomment>btn_settings</extracomment>
        <translation>设置</translation>
    </message>
    <message>
        <source>The upgrade failed.</source>
        <extracomment>upgrade_failed</extracomment>
        <translation>升级失败。</translation>
    </message>
    <message>
        <source>Searching for earlier backups on this computer...</source>
        <extracomment>local_hb_search</extracomment>
        <translation>正在此计算机上搜索以前的备份...</translation>
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
        <translation>立即开始</translation>
    </message>
    <message>
        <source>Backing up %1</source>
        <extracomment>main_desc_processing_file</extracomment>
        <translation>正在备份 %1</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <extracomment>setting_proxy_auth</extracomment>
        <translation>代理服务器要求身份验证</translation>
    </message>
    <message>
        <source>Server</source>
        <extracomment>wizard_summary_table_server</extracomment>
        <translation>服务器</translation>
    </message>
    <message>
        <source>Choose the folder to back up</source>
        <extracomment>wizard_setsyncfolder_title</extracomment>
        <translation>选择要备份的文件夹</translation>
    </message>
    <message>
        <source>A session with the server could not be created.</source>
        <extracomment>err_create_session_fail</extracomment>
        <translation>无法创建与服务器的会话。</translation>
    </message>
    <message>
        <source>Skylet Backup is ready.</source>
        <extracomment>desc_skyl_env_preparation_done</extracomment>
        <translation>Skylet Backup 已就绪。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>btn_cancel</extracomment>
        <translation>取消</translation>
    </message>
    <message>
        <source>This version of Skylet Backup is no longer supported. Please upgrade.</source>
        <extracomment>err_version_client</extracomment>
        <translation>此版本的 Skylet Backup 已不再受支持。请升级。</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <extracomment>setting_filter_table_title</extracomment>
        <translation>排除的文件扩展名</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <extracomment>manage_setting_applying</extracomment>
        <translation>正在应用设置...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <extracomment>tray_updating</extracomment>
        <translation>正在更新...</translation>
    </message>
    <message>
        <source>Look for a backup made earlier on this computer</source>
        <extracomment>wizard_find_local_hb_tooltip</extracomment>
        <translation>查找此计算机上以前创建的备份</translation>
    </message>
    <message>
        <source>Start Skylet Backup when I log in</source>
        <extracomment>setting_option_start_upon_login</extracomment>
        <translation>登录时启动 Skylet Backup</translation>
    </message>
    <message>
        <source>Check the settings below, then click Done to start the backup.</source>
        <extracomment>wizard_summary_desc</extracomment>
        <translation>请检查以下设置，然后单击“完成”开始备份。</translation>
    </message>
</context>
</TS>
