<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <extracomment>main_desc_last_upload</extracomment>
        <translation>Último backup: %1</translation>
    </message>
    <message>
        <source>Skip files and folders whose names begin with a dot</source>
        <extracomment>setting_filter_point_prefix</extracomment>
        <translation>Ignorar arquivos e pastas cujos nomes começam com um ponto</translation>
    </message>
    <message>
        <source>Please check your user name and password.</source>
        <extracomment>msg_checkpass</extracomment>
        <translation>Verifique seu nome de usuário e sua senha.</translation>
    </message>
    <message>
        <source>Skylet Backup</source>
        <extracomment>app_name</extracomment>
        <translation>Skylet Backup</translation>
    </message>
    <message>
        <source>The automatic connection ID is invalid.</source>
        <extracomment>err_autoconn_invalidid</extracomment>
        <translation>O ID de conexão automática é inválido.</translation>
    </message>
    <message>
        <source>The selected backup folder is invalid. Please choose another folder.</source>
        <extracomment>wizard_invalid_sync_folder_warning</extracomment>
        <translation>A pasta de backup selecionada é inválida. Escolha outra pasta.</translation>
    </message>
    <message>
        <source>Enter the address of your backup server and your account details.</source>
        <extracomment>wizard_connection_desc</extracomment>
        <translation>Digite o endereço do seu servidor de backup e os dados da sua conta.</translation>
    </message>
    <message>
        <source>User name:</source>
        <extracomment>connection_username</extracomment>
        <translation>Nome de usuário:</translation>
    </message>
    <message>
        <source>The backup direction of this task does not match the server settings.</source>
        <extracomment>err_sync_direction_mismatch</extracomment>
        <translation>A direção do backup desta tarefa não corresponde às configurações do servidor.</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <extracomment>connection_enter_otp</extracomment>
        <translation>Digite o código de verificação do seu aplicativo autenticador:</translation>
    </message>
    <message>
        <source>The shared folder on the server has reached its quota.</source>
        <extracomment>msg_share_quotafull</extracomment>
        <translation>A pasta compartilhada no servidor atingiu a cota.</translation>
    </message>
    <message>
        <source>The server certificate could not be verified.</source>
        <extracomment>err_ssl_verify_fail, wizard_ssl_verify_fail_sync_folder_warning</extracomment>
        <translation>Não foi possível verificar o certificado do servidor.</translation>
    </message>
    <message>
        <source>Connection</source>
        <extracomment>setting_tab_connection</extracomment>
        <translation>Conexão</translation>
    </message>
    <message>
        <source>Proxy</source>
        <extracomment>btn_proxy, setting_tab_proxy</extracomment>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Done</source>
        <extracomment>btn_done</extracomment>
        <translation>Concluir</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>tray_exit</extracomment>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Choose the local folders to back up and where to store them on the server.</source>
        <extracomment>backup_chooser_desc</extracomment>
        <translation>Escolha as pastas locais para fazer backup e onde armazená-las no servidor.</translation>
    </message>
    <message>
        <source>Completed</source>
        <extracomment>main_queue_completed, msg_download_done</extracomment>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>The backup task on the server has been changed by another computer.</source>
        <extracomment>err_hb_change</extracomment>
        <translation>A tarefa de backup no servidor foi alterada por outro computador.</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <extracomment>err_local_sync_folder_miss</extracomment>
        <translation>Não foi possível encontrar a pasta de backup local.</translation>
    </message>
    <message>
        <source>Server address:</source>
        <extracomment>connection_server</extracomment>
        <translation>Endereço do servidor:</translation>
    </message>
    <message>
        <source>Need help? The online help explains every step of the setup.</source>
        <extracomment>wizard_welcome_help</extracomment>
        <translation>Precisa de ajuda? A ajuda online explica cada etapa da configuração.</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>btn_wizard_readonly_yes, btn_ok</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>The local database is damaged or cannot be opened.</source>
        <extracomment>err_database</extracomment>
        <translation>O banco de dados local está danificado ou não pode ser aberto.</translation>
    </message>
    <message>
        <source>Your files, safely backed up.</source>
        <extracomment>wizard_welcome_slogan</extracomment>
        <translation>Seus arquivos, protegidos por backup.</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <extracomment>setting_option_use_black_white_icon</extracomment>
        <translation>Usar um ícone monocromático na área de notificação</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted.</source>
        <extracomment>err_share_not_mounted</extracomment>
        <translation>A pasta compartilhada no servidor não está montada.</translation>
    </message>
    <message>
        <source>Progress</source>
        <extracomment>main_queue_column_progress</extracomment>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Open Skylet Backup</source>
        <extracomment>tray_main_app</extracomment>
        <translation>Abrir o Skylet Backup</translation>
    </message>
    <message>
        <source>The server sent a response that could not be understood.</source>
        <extracomment>err_proto</extracomment>
        <translation>O servidor enviou uma resposta que não pôde ser interpretada.</translation>
    </message>
    <message>
        <source>The backup folder is on a volume that is not mounted.</source>
        <extracomment>err_syncfolder_not_mounted</extracomment>
        <translation>A pasta de backup está em um volume que não está montado.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <extracomment>btn_unlink</extracomment>
        <translation>Desvincular</translation>
    </message>
    <message>
        <source>There is not enough free space on the local disk.</source>
        <extracomment>err_diskfull</extracomment>
        <translation>Não há espaço livre suficiente no disco local.</translation>
    </message>
    <message>
        <source>The home folder service is disabled for your account on the server.</source>
        <extracomment>err_user_home_disabled</extracomment>
        <translation>O serviço de pasta pessoal está desativado para sua conta no servidor.</translation>
    </message>
    <message>
        <source>Backup is up to date</source>
        <extracomment>main_status_uptodate</extracomment>
        <translation>O backup está atualizado</translation>
    </message>
    <message>
        <source>There is not enough free space for the selected folder.</source>
        <extracomment>wizard_diskfull_sync_folder_warning</extracomment>
        <translation>Não há espaço livre suficiente para a pasta selecionada.</translation>
    </message>
    <message>
        <source>Skylet Backup keeps a copy of your files on your own server.</source>
        <extracomment>msg_about</extracomment>
        <translation>O Skylet Backup mantém uma cópia dos seus arquivos no seu próprio servidor.</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <extracomment>err_backup_fail</extracomment>
        <translation>O backup falhou.</translation>
    </message>
    <message>
        <source>Path</source>
        <extracomment>wizard_summary_table_path</extracomment>
        <translation>Caminho</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <extracomment>setting_proxy_manual</extracomment>
        <translation>Configuração manual de proxy</translation>
    </message>
    <message>
        <source>Destination</source>
        <extracomment>wizard_summary_table_remote_title, backup_chooser_destination</extracomment>
        <translation>Destino</translation>
    </message>
    <message>
        <source>A verification code is required to sign in.</source>
        <extracomment>err_otp_required</extracomment>
        <translation>É necessário um código de verificação para entrar.</translation>
    </message>
    <message>
        <source>Unlink this computer from the server? Backups already stored stay on the server.</source>
        <extracomment>connection_unlink_confirm</extracomment>
        <translation>Desvincular este computador do servidor? Os backups já armazenados permanecem no servidor.</translation>
    </message>
    <message>
        <source>Resume</source>
        <extracomment>btn_resume</extracomment>
        <translation>Retomar</translation>
    </message>
    <message>
        <source>Password:</source>
        <extracomment>setting_proxy_password, connection_password</extracomment>
        <translation>Senha:</translation>
    </message>
    <message>
        <source>Skylet Backup is initializing...</source>
        <extracomment>desc_skyl_env_preparing</extracomment>
        <translation>O Skylet Backup está sendo inicializado...</translation>
    </message>
    <message>
        <source>No folder is selected. Please choose at least one folder to back up.</source>
        <extracomment>backup_chooser_no_folder_selected</extracomment>
        <translation>Nenhuma pasta selecionada. Escolha pelo menos uma pasta para fazer backup.</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <extracomment>setting_proxy_sys_proxy</extracomment>
        <translation>Usar as configurações de proxy do sistema</translation>
    </message>
    <message>
        <source>Not now</source>
        <extracomment>btn_wizard_readonly_no</extracomment>
        <translation>Agora não</translation>
    </message>
    <message>
        <source>Local folders</source>
        <extracomment>setting_tab_folder, wizard_summary_table_local_title</extracomment>
        <translation>Pastas locais</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>main_queue_column_file</extracomment>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Please enter a user name for the proxy server.</source>
        <extracomment>setting_proxy_err_empty_username</extracomment>
        <translation>Digite um nome de usuário para o servidor proxy.</translation>
    </message>
    <message>
        <source>Filter</source>
        <extracomment>setting_tab_filter</extracomment>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>The certificate of the server has changed since the last connection.</source>
        <extracomment>msg_ssl_change</extracomment>
        <translation>O certificado do servidor mudou desde a última conexão.</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <extracomment>connection_unlinking</extracomment>
        <translation>Desvinculando...</translation>
    </message>
    <message>
        <source>Use a secure connection (SSL)</source>
        <extracomment>connection_ssl</extracomment>
        <translation>Usar uma conexão segura (SSL)</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <extracomment>version</extracomment>
        <translation>Versão: %1</translation>
    </message>
    <message>
        <source>Transfer queue</source>
        <extracomment>main_queue_title</extracomment>
        <translation>Fila de transferência</translation>
    </message>
    <message>
        <source>Pause</source>
        <extracomment>btn_pause</extracomment>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>The source folder is read-only. Its files can be backed up but not restored into it.</source>
        <extracomment>wizard_source_readonly_warning</extracomment>
        <translation>A pasta de origem é somente leitura. É possível fazer backup dos arquivos dela, mas não restaurá-los nela.</translation>
    </message>
    <message>
        <source>This folder is read-only.</source>
        <extracomment>read_only_tooltip</extracomment>
        <translation>Esta pasta é somente leitura.</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>msg_error</extracomment>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Backup paused</source>
        <extracomment>main_status_pause</extracomment>
        <translation>Backup pausado</translation>
    </message>
    <message>
        <source>Upgrade Skylet Backup</source>
        <extracomment>tray_upgrade, wizard_client_upgrade</extracomment>
        <translation>Atualizar o Skylet Backup</translation>
    </message>
    <message>
        <source>The new language takes effect after Skylet Backup restarts.</source>
        <extracomment>setting_option_language_restart</extracomment>
        <translation>O novo idioma entrará em vigor quando o Skylet Backup for reiniciado.</translation>
    </message>
    <message>
        <source>The proxy port must be a number from 1 to 65535.</source>
        <extracomment>setting_proxy_err_invalid_port</extracomment>
        <translation>A porta do proxy deve ser um número de 1 a 65535.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <extracomment>main_queue_uploading</extracomment>
        <translation>Enviando</translation>
    </message>
    <message>
        <source>The server certificate has changed. Make sure that you are connecting to the right server.</source>
        <extracomment>wizard_ssl_change_sync_folder_warning, err_ssl_change</extracomment>
        <translation>O certificado do servidor mudou. Verifique se você está se conectando ao servidor correto.</translation>
    </message>
    <message>
        <source>The server does not accept connections from this IP address.</source>
        <extracomment>err_ip_not_allowed</extracomment>
        <translation>O servidor não aceita conexões deste endereço IP.</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <extracomment>msg_test_connect</extracomment>
        <translation>Testando a conexão...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <extracomment>msg_ssl_error</extracomment>
        <translation>Não foi possível estabelecer uma conexão segura com o servidor.</translation>
    </message>
    <message>
        <source>Not needed</source>
        <extracomment>btn_no_need</extracomment>
        <translation>Não é necessário</translation>
    </message>
    <message>
        <source>Port:</source>
        <extracomment>setting_proxy_port</extracomment>
        <translation>Porta:</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <extracomment>wizard_connection_title</extracomment>
        <translation>Conecte-se ao seu servidor</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <extracomment>err_otp_invalid</extracomment>
        <translation>O código de verificação está incorreto.</translation>
    </message>
    <message>
        <source>Select</source>
        <extracomment>btn_select</extracomment>
        <translation>Selecionar</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <extracomment>wizard_share_name_duplicate_warning</extracomment>
        <translation>Já existe uma pasta compartilhada com este nome.</translation>
    </message>
    <message>
        <source>This wizard helps you set up the backup of your computer.</source>
        <extracomment>wizard_welcome_info</extracomment>
        <translation>Este assistente ajuda você a configurar o backup do seu computador.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <extracomment>main_status_connecting</extracomment>
        <translation>Conectando...</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <extracomment>share_enabled</extracomment>
        <translation>Compartilhamento ativado</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>tray_about</extracomment>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>You do not have permission to access the selected folder.</source>
        <extracomment>wizard_access_deny_sync_folder_warning</extracomment>
        <translation>Você não tem permissão para acessar a pasta selecionada.</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <extracomment>err_quotafull</extracomment>
        <translation>Sua cota de armazenamento no servidor está cheia.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <extracomment>setting_filter_table_editor_tooltip</extracomment>
        <translation>Clique duas vezes para editar a extensão de arquivo.</translation>
    </message>
    <message>
        <source>Continue</source>
        <extracomment>btn_continue</extracomment>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <extracomment>setting_filter_max_size</extracomment>
        <translation>Tamanho máximo de arquivo (MB):</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <extracomment>main_status_syncing</extracomment>
        <translation>Fazendo backup...</translation>
    </message>
    <message>
        <source>The selected folder is larger than the quota left on the server.</source>
        <extracomment>wizard_quotafull_sync_folder_warning</extracomment>
        <translation>A pasta selecionada é maior que a cota restante no servidor.</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <extracomment>err_max_tries</extracomment>
        <translation>Muitas tentativas malsucedidas. Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>Enter 0 to back up files of any size.</source>
        <extracomment>setting_filter_zero_desc</extracomment>
        <translation>Digite 0 para fazer backup de arquivos de qualquer tamanho.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <extracomment>err_abnormal</extracomment>
        <translation>Ocorreu um erro inesperado.</translation>
    </message>
    <message>
        <source>Skylet Backup could not be initialized.</source>
        <extracomment>err_init_failed</extracomment>
        <translation>Não foi possível inicializar o Skylet Backup.</translation>
    </message>
    <message>
        <source>The backup task on the server does not belong to this computer.</source>
        <extracomment>err_hb_not_match</extracomment>
        <translation>A tarefa de backup no servidor não pertence a este computador.</translation>
    </message>
    <message>
        <source>Choose a folder on the server:</source>
        <extracomment>treedialog_server_desc</extracomment>
        <translation>Escolha uma pasta no servidor:</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <extracomment>msg_test_username_fail</extracomment>
        <translation>O nome de usuário ou a senha está incorreto.</translation>
    </message>
    <message>
        <source>Language:</source>
        <extracomment>setting_option_language_title</extracomment>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>System default</source>
        <extracomment>setting_option_language_default</extracomment>
        <translation>Padrão do sistema</translation>
    </message>
    <message>
        <source>Connect anyway</source>
        <extracomment>btn_ssl_continue</extracomment>
        <translation>Conectar mesmo assim</translation>
    </message>
    <message>
        <source>Choose the folder on this computer that you want to back up.</source>
        <extracomment>wizard_setsyncfolder_desc</extracomment>
        <translation>Escolha a pasta deste computador da qual você deseja fazer backup.</translation>
    </message>
    <message>
        <source>The server requires two-step verification for your account. Please turn it on first.</source>
        <extracomment>err_otp_enforced</extracomment>
        <translation>O servidor exige a verificação em duas etapas para sua conta. Ative-a primeiro.</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>btn_next</extracomment>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>btn_apply</extracomment>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <extracomment>setting_proxy_err_ipport_empty</extracomment>
        <translation>Digite o endereço e a porta do proxy.</translation>
    </message>
    <message>
        <source>Your account is disabled on the server.</source>
        <extracomment>wizard_user_disable_sync_folder_warning</extracomment>
        <translation>Sua conta está desativada no servidor.</translation>
    </message>
    <message>
        <source>This folder is already backed up by another task.</source>
        <extracomment>wizard_conflict_backup_warning</extracomment>
        <translation>Outra tarefa já faz backup desta pasta.</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <extracomment>err_no_valid_folder</extracomment>
        <translation>Não há nenhuma pasta válida para fazer backup.</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked</source>
        <extracomment>main_queue_locking</extracomment>
        <translation>Aguardando o desbloqueio do arquivo</translation>
    </message>
    <message>
        <source>No proxy</source>
        <extracomment>setting_proxy_no_proxy</extracomment>
        <translation>Sem proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>tray_help</extracomment>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server.</source>
        <extracomment>err_version_server</extracomment>
        <translation>A versão do servidor não é compatível. Atualize o servidor.</translation>
    </message>
    <message>
        <source>Choose a folder on this computer</source>
        <extracomment>treedialog_pc_title</extracomment>
        <translation>Escolher uma pasta neste computador</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <extracomment>setting_filter_size_limit_tooltip</extracomment>
        <translation>Arquivos maiores que este tamanho não são incluídos no backup.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted locally</source>
        <extracomment>setting_filter_ignore_local_delete</extracomment>
        <translation>Manter os arquivos no servidor quando forem excluídos localmente</translation>
    </message>
    <message>
        <source>The network is unavailable. Please check your connection.</source>
        <extracomment>err_network, wizard_network_err_sync_folder_warning</extracomment>
        <translation>A rede não está disponível. Verifique sua conexão.</translation>
    </message>
    <message>
        <source>Status</source>
        <extracomment>main_queue_column_status</extracomment>
        <translation>Status</translation>
    </message>
    <message>
        <source>Choose source folders</source>
        <extracomment>backup_chooser_choose_source</extracomment>
        <translation>Escolher pastas de origem</translation>
    </message>
    <message>
        <source>Read-only folders are backed up, but files cannot be restored into them.</source>
        <extracomment>wizard_readonly_backup_desc</extracomment>
        <translation>As pastas somente leitura são incluídas no backup, mas não é possível restaurar arquivos nelas.</translation>
    </message>
    <message>
        <source>Address:</source>
        <extracomment>setting_proxy_ip</extracomment>
        <translation>Endereço:</translation>
    </message>
    <message>
        <source>Security warning</source>
        <extracomment>title_ssl_warning</extracomment>
        <translation>Aviso de segurança</translation>
    </message>
    <message>
        <source>Waiting</source>
        <extracomment>main_queue_waiting</extracomment>
        <translation>Aguardando</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <extracomment>msg_download_downloading</extracomment>
        <translation>Baixando a atualização...</translation>
    </message>
    <message>
        <source>Welcome to Skylet Backup</source>
        <extracomment>wizard_welcome_desc</extracomment>
        <translation>Bem-vindo ao Skylet Backup</translation>
    </message>
    <message>
        <source>Proxy user name:</source>
        <extracomment>setting_proxy_username</extracomment>
        <translation>Nome de usuário do proxy:</translation>
    </message>
    <message>
        <source>Connect through the FarLink relay</source>
        <extracomment>connection_use_farlink</extracomment>
        <translation>Conectar pelo retransmissor FarLink</translation>
    </message>
    <message>
        <source>Account</source>
        <extracomment>wizard_summary_table_account</extracomment>
        <translation>Conta</translation>
    </message>
    <message>
        <source>The request could not be processed.</source>
        <extracomment>wizard_system_err_sync_folder_warning, err_invalid</extracomment>
        <translation>Não foi possível processar a solicitação.</translation>
    </message>
    <message>
        <source>The shared folder does not exist on the server.</source>
        <extracomment>wizard_share_nonexist_sync_folder_warning</extracomment>
        <translation>A pasta compartilhada não existe no servidor.</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <extracomment>wizard_client_upgrade_failed</extracomment>
        <translation>Falha na atualização de %1 (código de erro: %2).</translation>
    </message>
    <message>
        <source>Summary</source>
        <extracomment>wizard_summary_title</extracomment>
        <translation>Resumo</translation>
    </message>
    <message>
        <source>Preparing</source>
        <extracomment>main_queue_preparing</extracomment>
        <translation>Preparando</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>setting_tab_option</extracomment>
        <translation>Opções</translation>
    </message>
    <message>
        <source>The selected folder on the server is read-only.</source>
        <extracomment>wizard_readonly_sync_folder_warning</extracomment>
        <translation>A pasta selecionada no servidor é somente leitura.</translation>
    </message>
    <message>
        <source>Backup stopped with errors</source>
        <extracomment>main_status_error</extracomment>
        <translation>Backup interrompido com erros</translation>
    </message>
    <message>
        <source>Click here to update Skylet Backup.</source>
        <extracomment>tray_click_to_update</extracomment>
        <translation>Clique aqui para atualizar o Skylet Backup.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <extracomment>read_only</extracomment>
        <translation>Somente leitura</translation>
    </message>
    <message>
        <source>The server administrator does not allow automatic connections.</source>
        <extracomment>err_autoconn_ctrl</extracomment>
        <translation>O administrador do servidor não permite conexões automáticas.</translation>
    </message>
    <message>
        <source>The selected folder overlaps a folder that is already backed up.</source>
        <extracomment>wizard_conflict_sync_folder_warning</extracomment>
        <translation>A pasta selecionada se sobrepõe a uma pasta já incluída no backup.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <extracomment>btn_advanced</extracomment>
        <translation>Avançado</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <extracomment>main_desc_processing_count</extracomment>
        <translation>Processando %1 arquivo(s)...</translation>
    </message>
    <message>
        <source>Excluded paths</source>
        <extracomment>wizard_summary_table_except_path</extracomment>
        <translation>Caminhos excluídos</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder.</source>
        <extracomment>err_share_perm</extracomment>
        <translation>Você não tem permissão para gravar na pasta compartilhada.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <extracomment>setting_filter_table_desc</extracomment>
        <translation>Arquivos com estas extensões não são incluídos no backup:</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <extracomment>err_auth</extracomment>
        <translation>Falha na autenticação.</translation>
    </message>
    <message>
        <source>Settings</source>
        <extracomment>btn_settings</extracomment>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>The upgrade failed.</source>
        <extracomment>upgrade_failed</extracomment>
        <translation>A atualização falhou.</translation>
    </message>
    <message>
        <source>Searching for earlier backups on this computer...</source>
        <extracomment>local_hb_search</extracomment>
        <translation>Procurando backups anteriores neste computador...</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>btn_back</extracomment>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <extracomment>main_queue_progress</extracomment>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <extracomment>btn_start_now</extracomment>
        <translation>Iniciar agora</translation>
    </message>
    <message>
        <source>Backing up %1</source>
        <extracomment>main_desc_processing_file</extracomment>
        <translation>Fazendo backup de %1</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <extracomment>setting_proxy_auth</extracomment>
        <translation>O servidor proxy exige autenticação</translation>
    </message>
    <message>
        <source>Server</source>
        <extracomment>wizard_summary_table_server</extracomment>
        <translation>Servidor</translation>
    </message>
    <message>
        <source>Choose the folder to back up</source>
        <extracomment>wizard_setsyncfolder_title</extracomment>
        <translation>Escolher a pasta para backup</translation>
    </message>
    <message>
        <source>A session with the server could not be created.</source>
        <extracomment>err_create_session_fail</extracomment>
        <translation>Não foi possível criar uma sessão com o servidor.</translation>
    </message>
    <message>
        <source>Skylet Backup is ready.</source>
        <extracomment>desc_skyl_env_preparation_done</extracomment>
        <translation>O Skylet Backup está pronto.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>btn_cancel</extracomment>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>This version of Skylet Backup is no longer supported. Please upgrade.</source>
        <extracomment>err_version_client</extracomment>
        <translation>Esta versão do Skylet Backup não tem mais suporte. Faça a atualização.</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <extracomment>setting_filter_table_title</extracomment>
        <translation>Extensões de arquivo excluídas</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <extracomment>manage_setting_applying</extracomment>
        <translation>Aplicando configurações...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <extracomment>tray_updating</extracomment>
        <translation>Atualizando...</translation>
    </message>
    <message>
        <source>Look for a backup made earlier on this computer</source>
        <extracomment>wizard_find_local_hb_tooltip</extracomment>
        <translation>Procurar um backup feito anteriormente neste computador</translation>
    </message>
    <message>
        <source>Start Skylet Backup when I log in</source>
        <extracomment>setting_option_start_upon_login</extracomment>
        <translation>Iniciar o Skylet Backup ao entrar no sistema</translation>
    </message>
    <message>
        <source>Check the settings below, then click Done to start the backup.</source>
        <extracomment>wizard_summary_desc</extracomment>
        <translation>Verifique as configurações abaixo e clique em Concluir para iniciar o backup.</translation>
    </message>
</context>
</TS>
