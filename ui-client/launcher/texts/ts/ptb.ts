<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <translation>Último backup: %1</translation>
    </message>
    <message>
        <source>Skip files and folders whose names begin with a dot</source>
        <translation>Ignorar arquivos e pastas cujos nomes começam com um ponto</translation>
    </message>
    <message>
        <source>Please check your user name and password.</source>
        <translation>Verifique seu nome de usuário e sua senha.</translation>
    </message>
    <message>
        <source>Skylet Backup</source>
        <translation>Skylet Backup</translation>
    </message>
    <message>
        <source>The automatic connection ID is invalid.</source>
        <translation>O ID de conexão automática é inválido.</translation>
    </message>
    <message>
        <source>The selected backup folder is invalid. Please choose another folder.</source>
        <translation>A pasta de backup selecionada é inválida. Escolha outra pasta.</translation>
    </message>
    <message>
        <source>Enter the address of your backup server and your account details.</source>
        <translation>Digite o endereço do seu servidor de backup e os dados da sua conta.</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Nome de usuário:</translation>
    </message>
    <message>
        <source>The backup direction of this task does not match the server settings.</source>
        <translation>A direção do backup desta tarefa não corresponde às configurações do servidor.</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <translation>Digite o código de verificação do seu aplicativo autenticador:</translation>
    </message>
    <message>
        <source>The shared folder on the server has reached its quota.</source>
        <translation>A pasta compartilhada no servidor atingiu a cota.</translation>
    </message>
    <message>
        <source>The server certificate could not be verified.</source>
        <translation>Não foi possível verificar o certificado do servidor.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Conexão</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluir</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Choose the local folders to back up and where to store them on the server.</source>
        <translation>Escolha as pastas locais para fazer backup e onde armazená-las no servidor.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>The backup task on the server has been changed by another computer.</source>
        <translation>A tarefa de backup no servidor foi alterada por outro computador.</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <translation>Não foi possível encontrar a pasta de backup local.</translation>
    </message>
    <message>
        <source>Server address:</source>
        <translation>Endereço do servidor:</translation>
    </message>
    <message>
        <source>Need help? The online help explains every step of the setup.</source>
        <translation>Precisa de ajuda? A ajuda online explica cada etapa da configuração.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The local database is damaged or cannot be opened.</source>
        <translation>O banco de dados local está danificado ou não pode ser aberto.</translation>
    </message>
    <message>
        <source>Your files, safely backed up.</source>
        <translation>Seus arquivos, protegidos por backup.</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Usar um ícone monocromático na área de notificação</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted.</source>
        <translation>A pasta compartilhada no servidor não está montada.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Open Skylet Backup</source>
        <translation>Abrir o Skylet Backup</translation>
    </message>
    <message>
        <source>The server sent a response that could not be understood.</source>
        <translation>O servidor enviou uma resposta que não pôde ser interpretada.</translation>
    </message>
    <message>
        <source>The backup folder is on a volume that is not mounted.</source>
        <translation>A pasta de backup está em um volume que não está montado.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Desvincular</translation>
    </message>
    <message>
        <source>There is not enough free space on the local disk.</source>
        <translation>Não há espaço livre suficiente no disco local.</translation>
    </message>
    <message>
        <source>The home folder service is disabled for your account on the server.</source>
        <translation>O serviço de pasta pessoal está desativado para sua conta no servidor.</translation>
    </message>
    <message>
        <source>Backup is up to date</source>
        <translation>O backup está atualizado</translation>
    </message>
    <message>
        <source>There is not enough free space for the selected folder.</source>
        <translation>Não há espaço livre suficiente para a pasta selecionada.</translation>
    </message>
    <message>
        <source>Skylet Backup keeps a copy of your files on your own server.</source>
        <translation>O Skylet Backup mantém uma cópia dos seus arquivos no seu próprio servidor.</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <translation>O backup falhou.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Caminho</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Configuração manual de proxy</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>A verification code is required to sign in.</source>
        <translation>É necessário um código de verificação para entrar.</translation>
    </message>
    <message>
        <source>Unlink this computer from the server? Backups already stored stay on the server.</source>
        <translation>Desvincular este computador do servidor? Os backups já armazenados permanecem no servidor.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Retomar</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Senha:</translation>
    </message>
    <message>
        <source>Skylet Backup is initializing...</source>
        <translation>O Skylet Backup está sendo inicializado...</translation>
    </message>
    <message>
        <source>No folder is selected. Please choose at least one folder to back up.</source>
        <translation>Nenhuma pasta selecionada. Escolha pelo menos uma pasta para fazer backup.</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>Usar as configurações de proxy do sistema</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Agora não</translation>
    </message>
    <message>
        <source>Local folders</source>
        <translation>Pastas locais</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Please enter a user name for the proxy server.</source>
        <translation>Digite um nome de usuário para o servidor proxy.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>The certificate of the server has changed since the last connection.</source>
        <translation>O certificado do servidor mudou desde a última conexão.</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Desvinculando...</translation>
    </message>
    <message>
        <source>Use a secure connection (SSL)</source>
        <translation>Usar uma conexão segura (SSL)</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Versão: %1</translation>
    </message>
    <message>
        <source>Transfer queue</source>
        <translation>Fila de transferência</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>The source folder is read-only. Its files can be backed up but not restored into it.</source>
        <translation>A pasta de origem é somente leitura. É possível fazer backup dos arquivos dela, mas não restaurá-los nela.</translation>
    </message>
    <message>
        <source>This folder is read-only.</source>
        <translation>Esta pasta é somente leitura.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Backup paused</source>
        <translation>Backup pausado</translation>
    </message>
    <message>
        <source>Upgrade Skylet Backup</source>
        <translation>Atualizar o Skylet Backup</translation>
    </message>
    <message>
        <source>The new language takes effect after Skylet Backup restarts.</source>
        <translation>O novo idioma entrará em vigor quando o Skylet Backup for reiniciado.</translation>
    </message>
    <message>
        <source>The proxy port must be a number from 1 to 65535.</source>
        <translation>A porta do proxy deve ser um número de 1 a 65535.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Enviando</translation>
    </message>
    <message>
        <source>The server certificate has changed. Make sure that you are connecting to the right server.</source>
        <translation>O certificado do servidor mudou. Verifique se você está se conectando ao servidor correto.</translation>
    </message>
    <message>
        <source>The server does not accept connections from this IP address.</source>
        <translation>O servidor não aceita conexões deste endereço IP.</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Testando a conexão...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>Não foi possível estabelecer uma conexão segura com o servidor.</translation>
    </message>
    <message>
        <source>Not needed</source>
        <translation>Não é necessário</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Porta:</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <translation>Conecte-se ao seu servidor</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>O código de verificação está incorreto.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Selecionar</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <translation>Já existe uma pasta compartilhada com este nome.</translation>
    </message>
    <message>
        <source>This wizard helps you set up the backup of your computer.</source>
        <translation>Este assistente ajuda você a configurar o backup do seu computador.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Conectando...</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation>Compartilhamento ativado</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>You do not have permission to access the selected folder.</source>
        <translation>Você não tem permissão para acessar a pasta selecionada.</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <translation>Sua cota de armazenamento no servidor está cheia.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Clique duas vezes para editar a extensão de arquivo.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <translation>Tamanho máximo de arquivo (MB):</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Fazendo backup...</translation>
    </message>
    <message>
        <source>The selected folder is larger than the quota left on the server.</source>
        <translation>A pasta selecionada é maior que a cota restante no servidor.</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <translation>Muitas tentativas malsucedidas. Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>Enter 0 to back up files of any size.</source>
        <translation>Digite 0 para fazer backup de arquivos de qualquer tamanho.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Ocorreu um erro inesperado.</translation>
    </message>
    <message>
        <source>Skylet Backup could not be initialized.</source>
        <translation>Não foi possível inicializar o Skylet Backup.</translation>
    </message>
    <message>
        <source>The backup task on the server does not belong to this computer.</source>
        <translation>A tarefa de backup no servidor não pertence a este computador.</translation>
    </message>
    <message>
        <source>Choose a folder on the server:</source>
        <translation>Escolha uma pasta no servidor:</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <translation>O nome de usuário ou a senha está incorreto.</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Padrão do sistema</translation>
    </message>
    <message>
        <source>Connect anyway</source>
        <translation>Conectar mesmo assim</translation>
    </message>
    <message>
        <source>Choose the folder on this computer that you want to back up.</source>
        <translation>Escolha a pasta deste computador da qual você deseja fazer backup.</translation>
    </message>
    <message>
        <source>The server requires two-step verification for your account. Please turn it on first.</source>
        <translation>O servidor exige a verificação em duas etapas para sua conta. Ative-a primeiro.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Digite o endereço e a porta do proxy.</translation>
    </message>
    <message>
        <source>Your account is disabled on the server.</source>
        <translation>Sua conta está desativada no servidor.</translation>
    </message>
    <message>
        <source>This folder is already backed up by another task.</source>
        <translation>Outra tarefa já faz backup desta pasta.</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <translation>Não há nenhuma pasta válida para fazer backup.</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked</source>
        <translation>Aguardando o desbloqueio do arquivo</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Sem proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server.</source>
        <translation>A versão do servidor não é compatível. Atualize o servidor.</translation>
    </message>
    <message>
        <source>Choose a folder on this computer</source>
        <translation>Escolher uma pasta neste computador</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <translation>Arquivos maiores que este tamanho não são incluídos no backup.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted locally</source>
        <translation>Manter os arquivos no servidor quando forem excluídos localmente</translation>
    </message>
    <message>
        <source>The network is unavailable. Please check your connection.</source>
        <translation>A rede não está disponível. Verifique sua conexão.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Choose source folders</source>
        <translation>Escolher pastas de origem</translation>
    </message>
    <message>
        <source>Read-only folders are backed up, but files cannot be restored into them.</source>
        <translation>As pastas somente leitura são incluídas no backup, mas não é possível restaurar arquivos nelas.</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Endereço:</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Aviso de segurança</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Aguardando</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>Baixando a atualização...</translation>
    </message>
    <message>
        <source>Welcome to Skylet Backup</source>
        <translation>Bem-vindo ao Skylet Backup</translation>
    </message>
    <message>
        <source>Proxy user name:</source>
        <translation>Nome de usuário do proxy:</translation>
    </message>
    <message>
        <source>Connect through the FarLink relay</source>
        <translation>Conectar pelo retransmissor FarLink</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Conta</translation>
    </message>
    <message>
        <source>The request could not be processed.</source>
        <translation>Não foi possível processar a solicitação.</translation>
    </message>
    <message>
        <source>The shared folder does not exist on the server.</source>
        <translation>A pasta compartilhada não existe no servidor.</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <translation>Falha na atualização de %1 (código de erro: %2).</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumo</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Preparando</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>The selected folder on the server is read-only.</source>
        <translation>A pasta selecionada no servidor é somente leitura.</translation>
    </message>
    <message>
        <source>Backup stopped with errors</source>
        <translation>Backup interrompido com erros</translation>
    </message>
    <message>
        <source>Click here to update Skylet Backup.</source>
        <translation>Clique aqui para atualizar o Skylet Backup.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Somente leitura</translation>
    </message>
    <message>
        <source>The server administrator does not allow automatic connections.</source>
        <translation>O administrador do servidor não permite conexões automáticas.</translation>
    </message>
    <message>
        <source>The selected folder overlaps a folder that is already backed up.</source>
        <translation>A pasta selecionada se sobrepõe a uma pasta já incluída no backup.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avançado</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <translation>Processando %1 arquivo(s)...</translation>
    </message>
    <message>
        <source>Excluded paths</source>
        <translation>Caminhos excluídos</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder.</source>
        <translation>Você não tem permissão para gravar na pasta compartilhada.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>Arquivos com estas extensões não são incluídos no backup:</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <translation>Falha na autenticação.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>The upgrade failed.</source>
        <translation>A atualização falhou.</translation>
    </message>
    <message>
        <source>Searching for earlier backups on this computer...</source>
        <translation>Procurando backups anteriores neste computador...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Iniciar agora</translation>
    </message>
    <message>
        <source>Backing up %1</source>
        <translation>Fazendo backup de %1</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>O servidor proxy exige autenticação</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Servidor</translation>
    </message>
    <message>
        <source>Choose the folder to back up</source>
        <translation>Escolher a pasta para backup</translation>
    </message>
    <message>
        <source>A session with the server could not be created.</source>
        <translation>Não foi possível criar uma sessão com o servidor.</translation>
    </message>
    <message>
        <source>Skylet Backup is ready.</source>
        <translation>O Skylet Backup está pronto.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>This version of Skylet Backup is no longer supported. Please upgrade.</source>
        <translation>Esta versão do Skylet Backup não tem mais suporte. Faça a atualização.</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <translation>Extensões de arquivo excluídas</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Aplicando configurações...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Atualizando...</translation>
    </message>
    <message>
        <source>Look for a backup made earlier on this computer</source>
        <translation>Procurar um backup feito anteriormente neste computador</translation>
    </message>
    <message>
        <source>Start Skylet Backup when I log in</source>
        <translation>Iniciar o Skylet Backup ao entrar no sistema</translation>
    </message>
    <message>
        <source>Check the settings below, then click Done to start the backup.</source>
        <translation>Verifique as configurações abaixo e clique em Concluir para iniciar o backup.</translation>
    </message>
</context>
</TS>
