<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <translation>Última cópia de segurança: %1</translation>
    </message>
    <message>
        <source>Skip files and folders whose names begin with a dot</source>
        <translation>Ignorar ficheiros e pastas cujo nome começa por um ponto</translation>
    </message>
    <message>
        <source>Please check your user name and password.</source>
        <translation>Verifique o nome de utilizador e a palavra-passe.</translation>
    </message>
    <message>
        <source>Skylet Backup</source>
        <translation>Skylet Backup</translation>
    </message>
    <message>
        <source>The automatic connection ID is invalid.</source>
        <translation>O ID de ligação automática é inválido.</translation>
    </message>
    <message>
        <source>The selected backup folder is invalid. Please choose another folder.</source>
        <translation>A pasta de cópia de segurança selecionada é inválida. Escolha outra pasta.</translation>
    </message>
    <message>
        <source>Enter the address of your backup server and your account details.</source>
        <translation>Introduza o endereço do servidor de cópias de segurança e os dados da sua conta.</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Nome de utilizador:</translation>
    </message>
    <message>
        <source>The backup direction of this task does not match the server settings.</source>
        <translation>O sentido da cópia de segurança desta tarefa não corresponde às definições do servidor.</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <translation>Introduza o código de verificação da sua aplicação de autenticação:</translation>
    </message>
    <message>
        <source>The shared folder on the server has reached its quota.</source>
        <translation>A pasta partilhada no servidor atingiu a quota.</translation>
    </message>
    <message>
        <source>The server certificate could not be verified.</source>
        <translation>Não foi possível verificar o certificado do servidor.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Ligação</translation>
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
        <translation>Escolha as pastas locais a incluir na cópia de segurança e onde as guardar no servidor.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>The backup task on the server has been changed by another computer.</source>
        <translation>A tarefa de cópia de segurança no servidor foi alterada por outro computador.</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <translation>Não é possível encontrar a pasta local de cópia de segurança.</translation>
    </message>
    <message>
        <source>Server address:</source>
        <translation>Endereço do servidor:</translation>
    </message>
    <message>
        <source>Need help? The online help explains every step of the setup.</source>
        <translation>Precisa de ajuda? A ajuda online explica cada passo da configuração.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The local database is damaged or cannot be opened.</source>
        <translation>A base de dados local está danificada ou não pode ser aberta.</translation>
    </message>
    <message>
        <source>Your files, safely backed up.</source>
        <translation>Os seus ficheiros, protegidos por cópia de segurança.</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Utilizar um ícone monocromático na área de notificação</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted.</source>
        <translation>A pasta partilhada no servidor não está montada.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Open Skylet Backup</source>
        <translation>Abrir Skylet Backup</translation>
    </message>
    <message>
        <source>The server sent a response that could not be understood.</source>
        <translation>O servidor enviou uma resposta que não foi possível interpretar.</translation>
    </message>
    <message>
        <source>The backup folder is on a volume that is not mounted.</source>
        <translation>A pasta de cópia de segurança está num volume que não está montado.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Desassociar</translation>
    </message>
    <message>
        <source>There is not enough free space on the local disk.</source>
        <translation>Não existe espaço livre suficiente no disco local.</translation>
    </message>
    <message>
        <source>The home folder service is disabled for your account on the server.</source>
        <translation>O serviço de pasta pessoal está desativado para a sua conta no servidor.</translation>
    </message>
    <message>
        <source>Backup is up to date</source>
        <translation>A cópia de segurança está atualizada</translation>
    </message>
    <message>
        <source>There is not enough free space for the selected folder.</source>
        <translation>Não existe espaço livre suficiente para a pasta selecionada.</translation>
    </message>
    <message>
        <source>Skylet Backup keeps a copy of your files on your own server.</source>
        <translation>Skylet Backup guarda uma cópia dos seus ficheiros no seu próprio servidor.</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <translation>A cópia de segurança falhou.</translation>
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
        <translation>É necessário um código de verificação para iniciar sessão.</translation>
    </message>
    <message>
        <source>Unlink this computer from the server? Backups already stored stay on the server.</source>
        <translation>Desassociar este computador do servidor? As cópias de segurança já guardadas permanecem no servidor.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Retomar</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Palavra-passe:</translation>
    </message>
    <message>
        <source>Skylet Backup is initializing...</source>
        <translation>Skylet Backup a iniciar...</translation>
    </message>
    <message>
        <source>No folder is selected. Please choose at least one folder to back up.</source>
        <translation>Nenhuma pasta selecionada. Escolha pelo menos uma pasta para a cópia de segurança.</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>Utilizar as definições de proxy do sistema</translation>
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
        <translation>Ficheiro</translation>
    </message>
    <message>
        <source>Please enter a user name for the proxy server.</source>
        <translation>Introduza um nome de utilizador para o servidor proxy.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>The certificate of the server has changed since the last connection.</source>
        <translation>O certificado do servidor mudou desde a última ligação.</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>A desassociar...</translation>
    </message>
    <message>
        <source>Use a secure connection (SSL)</source>
        <translation>Utilizar uma ligação segura (SSL)</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Versão: %1</translation>
    </message>
    <message>
        <source>Transfer queue</source>
        <translation>Fila de transferências</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Colocar em pausa</translation>
    </message>
    <message>
        <source>The source folder is read-only. Its files can be backed up but not restored into it.</source>
        <translation>A pasta de origem é só de leitura. É possível fazer cópia de segurança dos seus ficheiros, mas não restaurá-los nela.</translation>
    </message>
    <message>
        <source>This folder is read-only.</source>
        <translation>Esta pasta é só de leitura.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Backup paused</source>
        <translation>Cópia de segurança em pausa</translation>
    </message>
    <message>
        <source>Upgrade Skylet Backup</source>
        <translation>Atualizar Skylet Backup</translation>
    </message>
    <message>
        <source>The new language takes effect after Skylet Backup restarts.</source>
        <translation>O novo idioma será aplicado depois de reiniciar Skylet Backup.</translation>
    </message>
    <message>
        <source>The proxy port must be a number from 1 to 65535.</source>
        <translation>A porta do proxy tem de ser um número entre 1 e 65535.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>A carregar</translation>
    </message>
    <message>
        <source>The server certificate has changed. Make sure that you are connecting to the right server.</source>
        <translation>O certificado do servidor mudou. Certifique-se de que está a ligar-se ao servidor correto.</translation>
    </message>
    <message>
        <source>The server does not accept connections from this IP address.</source>
        <translation>O servidor não aceita ligações a partir deste endereço IP.</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>A testar a ligação...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>Não foi possível estabelecer uma ligação segura ao servidor.</translation>
    </message>
    <message>
        <source>Not needed</source>
        <translation>Não necessário</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Porta:</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <translation>Ligar ao seu servidor</translation>
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
        <translation>Já existe uma pasta partilhada com este nome.</translation>
    </message>
    <message>
        <source>This wizard helps you set up the backup of your computer.</source>
        <translation>Este assistente ajuda-o a configurar a cópia de segurança do seu computador.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>A ligar...</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation>Partilha ativada</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>You do not have permission to access the selected folder.</source>
        <translation>Não tem permissão para aceder à pasta selecionada.</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <translation>A sua quota de armazenamento no servidor está esgotada.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Faça duplo clique para editar a extensão do ficheiro.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <translation>Tamanho máximo do ficheiro (MB):</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>A fazer cópia de segurança...</translation>
    </message>
    <message>
        <source>The selected folder is larger than the quota left on the server.</source>
        <translation>A pasta selecionada é maior do que a quota restante no servidor.</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <translation>Demasiadas tentativas falhadas. Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>Enter 0 to back up files of any size.</source>
        <translation>Introduza 0 para fazer cópia de segurança de ficheiros de qualquer tamanho.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Ocorreu um erro inesperado.</translation>
    </message>
    <message>
        <source>Skylet Backup could not be initialized.</source>
        <translation>Não foi possível inicializar Skylet Backup.</translation>
    </message>
    <message>
        <source>The backup task on the server does not belong to this computer.</source>
        <translation>A tarefa de cópia de segurança no servidor não pertence a este computador.</translation>
    </message>
    <message>
        <source>Choose a folder on the server:</source>
        <translation>Escolha uma pasta no servidor:</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <translation>O nome de utilizador ou a palavra-passe está incorreto.</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Predefinição do sistema</translation>
    </message>
    <message>
        <source>Connect anyway</source>
        <translation>Ligar mesmo assim</translation>
    </message>
    <message>
        <source>Choose the folder on this computer that you want to back up.</source>
        <translation>Escolha a pasta deste computador que pretende incluir na cópia de segurança.</translation>
    </message>
    <message>
        <source>The server requires two-step verification for your account. Please turn it on first.</source>
        <translation>O servidor exige a verificação em dois passos para a sua conta. Ative-a primeiro.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Seguinte</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Introduza o endereço e a porta do proxy.</translation>
    </message>
    <message>
        <source>Your account is disabled on the server.</source>
        <translation>A sua conta está desativada no servidor.</translation>
    </message>
    <message>
        <source>This folder is already backed up by another task.</source>
        <translation>Esta pasta já está incluída na cópia de segurança de outra tarefa.</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <translation>Não existe nenhuma pasta válida para a cópia de segurança.</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked</source>
        <translation>A aguardar o desbloqueio do ficheiro</translation>
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
        <translation>A versão do servidor não é suportada. Atualize o servidor.</translation>
    </message>
    <message>
        <source>Choose a folder on this computer</source>
        <translation>Escolher uma pasta neste computador</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <translation>Os ficheiros maiores do que este tamanho não são incluídos na cópia de segurança.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted locally</source>
        <translation>Manter os ficheiros no servidor quando forem eliminados localmente</translation>
    </message>
    <message>
        <source>The network is unavailable. Please check your connection.</source>
        <translation>A rede não está disponível. Verifique a sua ligação.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Choose source folders</source>
        <translation>Escolher pastas de origem</translation>
    </message>
    <message>
        <source>Read-only folders are backed up, but files cannot be restored into them.</source>
        <translation>As pastas só de leitura são incluídas na cópia de segurança, mas não é possível restaurar ficheiros nelas.</translation>
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
        <translation>A aguardar</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>A transferir a atualização...</translation>
    </message>
    <message>
        <source>Welcome to Skylet Backup</source>
        <translation>Bem-vindo à aplicação Skylet Backup</translation>
    </message>
    <message>
        <source>Proxy user name:</source>
        <translation>Nome de utilizador do proxy:</translation>
    </message>
    <message>
        <source>Connect through the FarLink relay</source>
        <translation>Ligar através do retransmissor FarLink</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Conta</translation>
    </message>
    <message>
        <source>The request could not be processed.</source>
        <translation>Não foi possível processar o pedido.</translation>
    </message>
    <message>
        <source>The shared folder does not exist on the server.</source>
        <translation>A pasta partilhada não existe no servidor.</translation>
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
        <translation>A preparar</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>The selected folder on the server is read-only.</source>
        <translation>A pasta selecionada no servidor é só de leitura.</translation>
    </message>
    <message>
        <source>Backup stopped with errors</source>
        <translation>Cópia de segurança interrompida com erros</translation>
    </message>
    <message>
        <source>Click here to update Skylet Backup.</source>
        <translation>Clique aqui para atualizar Skylet Backup.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Só de leitura</translation>
    </message>
    <message>
        <source>The server administrator does not allow automatic connections.</source>
        <translation>O administrador do servidor não permite ligações automáticas.</translation>
    </message>
    <message>
        <source>The selected folder overlaps a folder that is already backed up.</source>
        <translation>A pasta selecionada sobrepõe-se a uma pasta já incluída na cópia de segurança.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avançadas</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <translation>A processar %1 ficheiro(s)...</translation>
    </message>
    <message>
        <source>Excluded paths</source>
        <translation>Caminhos excluídos</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder.</source>
        <translation>Não tem permissão para escrever na pasta partilhada.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>Os ficheiros com estas extensões não são incluídos na cópia de segurança:</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <translation>A autenticação falhou.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Definições</translation>
    </message>
    <message>
        <source>The upgrade failed.</source>
        <translation>A atualização falhou.</translation>
    </message>
    <message>
        <source>Searching for earlier backups on this computer...</source>
        <translation>A procurar cópias de segurança anteriores neste computador...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Anterior</translation>
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
        <translation>A fazer cópia de segurança de %1</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>O servidor proxy requer autenticação</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Servidor</translation>
    </message>
    <message>
        <source>Choose the folder to back up</source>
        <translation>Escolher a pasta para a cópia de segurança</translation>
    </message>
    <message>
        <source>A session with the server could not be created.</source>
        <translation>Não foi possível criar uma sessão com o servidor.</translation>
    </message>
    <message>
        <source>Skylet Backup is ready.</source>
        <translation>Skylet Backup pronta.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>This version of Skylet Backup is no longer supported. Please upgrade.</source>
        <translation>Esta versão de Skylet Backup já não é suportada. Atualize para uma versão mais recente.</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <translation>Extensões de ficheiro excluídas</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>A aplicar as definições...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>A atualizar...</translation>
    </message>
    <message>
        <source>Look for a backup made earlier on this computer</source>
        <translation>Procurar uma cópia de segurança feita anteriormente neste computador</translation>
    </message>
    <message>
        <source>Start Skylet Backup when I log in</source>
        <translation>Iniciar Skylet Backup ao iniciar sessão</translation>
    </message>
    <message>
        <source>Check the settings below, then click Done to start the backup.</source>
        <translation>Verifique as definições abaixo e clique em Concluir para iniciar a cópia de segurança.</translation>
    </message>
</context>
</TS>
