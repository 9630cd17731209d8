<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <translation>Última copia de seguridad: %1</translation>
    </message>
    <message>
        <source>Skip files and folders whose names begin with a dot</source>
        <translation>Omitir archivos y carpetas cuyo nombre empiece por un punto</translation>
    </message>
    <message>
        <source>Please check your user name and password.</source>
        <translation>Compruebe su nombre de usuario y contraseña.</translation>
    </message>
    <message>
        <source>Skylet Backup</source>
        <translation>Skylet Backup</translation>
    </message>
    <message>
        <source>The automatic connection ID is invalid.</source>
        <translation>El identificador de conexión automática no es válido.</translation>
    </message>
    <message>
        <source>The selected backup folder is invalid. Please choose another folder.</source>
        <translation>La carpeta de copia de seguridad seleccionada no es válida. Elija otra carpeta.</translation>
    </message>
    <message>
        <source>Enter the address of your backup server and your account details.</source>
        <translation>Introduzca la dirección de su servidor de copias de seguridad y los datos de su cuenta.</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Nombre de usuario:</translation>
    </message>
    <message>
        <source>The backup direction of this task does not match the server settings.</source>
        <translation>El sentido de la copia de seguridad de esta tarea no coincide con la configuración del servidor.</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <translation>Introduzca el código de verificación de su aplicación de autenticación:</translation>
    </message>
    <message>
        <source>The shared folder on the server has reached its quota.</source>
        <translation>La carpeta compartida del servidor ha alcanzado su cuota.</translation>
    </message>
    <message>
        <source>The server certificate could not be verified.</source>
        <translation>No se ha podido verificar el certificado del servidor.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Conexión</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Finalizar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Choose the local folders to back up and where to store them on the server.</source>
        <translation>Elija las carpetas locales de las que desea hacer una copia de seguridad y dónde guardarlas en el servidor.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completado</translation>
    </message>
    <message>
        <source>The backup task on the server has been changed by another computer.</source>
        <translation>Otro equipo ha modificado la tarea de copia de seguridad del servidor.</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <translation>No se encuentra la carpeta local de copia de seguridad.</translation>
    </message>
    <message>
        <source>Server address:</source>
        <translation>Dirección del servidor:</translation>
    </message>
    <message>
        <source>Need help? The online help explains every step of the setup.</source>
        <translation>¿Necesita ayuda? La ayuda en línea explica cada paso de la configuración.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>The local database is damaged or cannot be opened.</source>
        <translation>La base de datos local está dañada o no se puede abrir.</translation>
    </message>
    <message>
        <source>Your files, safely backed up.</source>
        <translation>Sus archivos, a salvo con copias de seguridad.</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Usar un icono monocromo en el área de notificación</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted.</source>
        <translation>La carpeta compartida del servidor no está montada.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Open Skylet Backup</source>
        <translation>Abrir Skylet Backup</translation>
    </message>
    <message>
        <source>The server sent a response that could not be understood.</source>
        <translation>El servidor ha enviado una respuesta que no se ha podido interpretar.</translation>
    </message>
    <message>
        <source>The backup folder is on a volume that is not mounted.</source>
        <translation>La carpeta de copia de seguridad está en un volumen que no está montado.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Desvincular</translation>
    </message>
    <message>
        <source>There is not enough free space on the local disk.</source>
        <translation>No hay suficiente espacio libre en el disco local.</translation>
    </message>
    <message>
        <source>The home folder service is disabled for your account on the server.</source>
        <translation>El servicio de carpeta personal está deshabilitado para su cuenta en el servidor.</translation>
    </message>
    <message>
        <source>Backup is up to date</source>
        <translation>La copia de seguridad está al día</translation>
    </message>
    <message>
        <source>There is not enough free space for the selected folder.</source>
        <translation>No hay suficiente espacio libre para la carpeta seleccionada.</translation>
    </message>
    <message>
        <source>Skylet Backup keeps a copy of your files on your own server.</source>
        <translation>Skylet Backup guarda una copia de sus archivos en su propio servidor.</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <translation>La copia de seguridad ha fallado.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Ruta</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Configuración manual del proxy</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>A verification code is required to sign in.</source>
        <translation>Se necesita un código de verificación para iniciar sesión.</translation>
    </message>
    <message>
        <source>Unlink this computer from the server? Backups already stored stay on the server.</source>
        <translation>¿Desea desvincular este equipo del servidor? Las copias de seguridad ya almacenadas permanecerán en el servidor.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>Skylet Backup is initializing...</source>
        <translation>Skylet Backup se está inicializando...</translation>
    </message>
    <message>
        <source>No folder is selected. Please choose at least one folder to back up.</source>
        <translation>No hay ninguna carpeta seleccionada. Elija al menos una carpeta para hacer la copia de seguridad.</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>Usar la configuración de proxy del sistema</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Ahora no</translation>
    </message>
    <message>
        <source>Local folders</source>
        <translation>Carpetas locales</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Please enter a user name for the proxy server.</source>
        <translation>Introduzca un nombre de usuario para el servidor proxy.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>The certificate of the server has changed since the last connection.</source>
        <translation>El certificado del servidor ha cambiado desde la última conexión.</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Desvinculando...</translation>
    </message>
    <message>
        <source>Use a secure connection (SSL)</source>
        <translation>Usar una conexión segura (SSL)</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Versión: %1</translation>
    </message>
    <message>
        <source>Transfer queue</source>
        <translation>Cola de transferencia</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>The source folder is read-only. Its files can be backed up but not restored into it.</source>
        <translation>La carpeta de origen es de solo lectura. Se puede hacer una copia de seguridad de sus archivos, pero no restaurarlos en ella.</translation>
    </message>
    <message>
        <source>This folder is read-only.</source>
        <translation>Esta carpeta es de solo lectura.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Backup paused</source>
        <translation>Copia de seguridad en pausa</translation>
    </message>
    <message>
        <source>Upgrade Skylet Backup</source>
        <translation>Actualizar Skylet Backup</translation>
    </message>
    <message>
        <source>The new language takes effect after Skylet Backup restarts.</source>
        <translation>El nuevo idioma se aplicará cuando se reinicie Skylet Backup.</translation>
    </message>
    <message>
        <source>The proxy port must be a number from 1 to 65535.</source>
        <translation>El puerto del proxy debe ser un número entre 1 y 65535.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Subiendo</translation>
    </message>
    <message>
        <source>The server certificate has changed. Make sure that you are connecting to the right server.</source>
        <translation>El certificado del servidor ha cambiado. Asegúrese de que se está conectando al servidor correcto.</translation>
    </message>
    <message>
        <source>The server does not accept connections from this IP address.</source>
        <translation>El servidor no acepta conexiones desde esta dirección IP.</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Probando la conexión...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>No se ha podido establecer una conexión segura con el servidor.</translation>
    </message>
    <message>
        <source>Not needed</source>
        <translation>No es necesario</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Puerto:</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <translation>Conectar con su servidor</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>El código de verificación es incorrecto.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleccionar</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <translation>Ya existe una carpeta compartida con este nombre.</translation>
    </message>
    <message>
        <source>This wizard helps you set up the backup of your computer.</source>
        <translation>Este asistente le ayuda a configurar la copia de seguridad de su equipo.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Conectando...</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation>Uso compartido habilitado</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>You do not have permission to access the selected folder.</source>
        <translation>No tiene permiso para acceder a la carpeta seleccionada.</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <translation>Su cuota de almacenamiento en el servidor está llena.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Haga doble clic para editar la extensión de archivo.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <translation>Tamaño máximo de archivo (MB):</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Copia de seguridad en curso...</translation>
    </message>
    <message>
        <source>The selected folder is larger than the quota left on the server.</source>
        <translation>La carpeta seleccionada supera la cuota disponible en el servidor.</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <translation>Demasiados intentos fallidos. Inténtelo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>Enter 0 to back up files of any size.</source>
        <translation>Introduzca 0 para hacer copia de seguridad de archivos de cualquier tamaño.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Se ha producido un error inesperado.</translation>
    </message>
    <message>
        <source>Skylet Backup could not be initialized.</source>
        <translation>No se ha podido inicializar Skylet Backup.</translation>
    </message>
    <message>
        <source>The backup task on the server does not belong to this computer.</source>
        <translation>La tarea de copia de seguridad del servidor no pertenece a este equipo.</translation>
    </message>
    <message>
        <source>Choose a folder on the server:</source>
        <translation>Elija una carpeta del servidor:</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <translation>El nombre de usuario o la contraseña no son correctos.</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Predeterminado del sistema</translation>
    </message>
    <message>
        <source>Connect anyway</source>
        <translation>Conectar de todos modos</translation>
    </message>
    <message>
        <source>Choose the folder on this computer that you want to back up.</source>
        <translation>Elija la carpeta de este equipo de la que desea hacer una copia de seguridad.</translation>
    </message>
    <message>
        <source>The server requires two-step verification for your account. Please turn it on first.</source>
        <translation>El servidor requiere la verificación en dos pasos para su cuenta. Actívela primero.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Introduzca la dirección y el puerto del proxy.</translation>
    </message>
    <message>
        <source>Your account is disabled on the server.</source>
        <translation>Su cuenta está deshabilitada en el servidor.</translation>
    </message>
    <message>
        <source>This folder is already backed up by another task.</source>
        <translation>Otra tarea ya hace copia de seguridad de esta carpeta.</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <translation>No hay ninguna carpeta válida para hacer copia de seguridad.</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked</source>
        <translation>Esperando a que se desbloquee el archivo</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Sin proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server.</source>
        <translation>La versión del servidor no es compatible. Actualice el servidor.</translation>
    </message>
    <message>
        <source>Choose a folder on this computer</source>
        <translation>Elegir una carpeta de este equipo</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <translation>Los archivos de mayor tamaño no se incluyen en la copia de seguridad.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted locally</source>
        <translation>Conservar los archivos en el servidor cuando se eliminen localmente</translation>
    </message>
    <message>
        <source>The network is unavailable. Please check your connection.</source>
        <translation>La red no está disponible. Compruebe su conexión.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Choose source folders</source>
        <translation>Elegir carpetas de origen</translation>
    </message>
    <message>
        <source>Read-only folders are backed up, but files cannot be restored into them.</source>
        <translation>Las carpetas de solo lectura se incluyen en la copia de seguridad, pero no se pueden restaurar archivos en ellas.</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Dirección:</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Advertencia de seguridad</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>En espera</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>Descargando la actualización...</translation>
    </message>
    <message>
        <source>Welcome to Skylet Backup</source>
        <translation>Bienvenido a Skylet Backup</translation>
    </message>
    <message>
        <source>Proxy user name:</source>
        <translation>Nombre de usuario del proxy:</translation>
    </message>
    <message>
        <source>Connect through the FarLink relay</source>
        <translation>Conectar mediante el servidor de retransmisión de FarLink</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>The request could not be processed.</source>
        <translation>No se ha podido procesar la solicitud.</translation>
    </message>
    <message>
        <source>The shared folder does not exist on the server.</source>
        <translation>La carpeta compartida no existe en el servidor.</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <translation>Error al actualizar %1 (código de error: %2).</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Preparando</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>The selected folder on the server is read-only.</source>
        <translation>La carpeta seleccionada del servidor es de solo lectura.</translation>
    </message>
    <message>
        <source>Backup stopped with errors</source>
        <translation>Copia de seguridad detenida con errores</translation>
    </message>
    <message>
        <source>Click here to update Skylet Backup.</source>
        <translation>Haga clic aquí para actualizar Skylet Backup.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Solo lectura</translation>
    </message>
    <message>
        <source>The server administrator does not allow automatic connections.</source>
        <translation>El administrador del servidor no permite conexiones automáticas.</translation>
    </message>
    <message>
        <source>The selected folder overlaps a folder that is already backed up.</source>
        <translation>La carpeta seleccionada se solapa con una carpeta que ya tiene copia de seguridad.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzado</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <translation>Procesando %1 archivo(s)...</translation>
    </message>
    <message>
        <source>Excluded paths</source>
        <translation>Rutas excluidas</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder.</source>
        <translation>No tiene permiso para escribir en la carpeta compartida.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>Los archivos con estas extensiones no se incluyen en la copia de seguridad:</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <translation>Error de autenticación.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>The upgrade failed.</source>
        <translation>La actualización ha fallado.</translation>
    </message>
    <message>
        <source>Searching for earlier backups on this computer...</source>
        <translation>Buscando copias de seguridad anteriores en este equipo...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Iniciar ahora</translation>
    </message>
    <message>
        <source>Backing up %1</source>
        <translation>Copia de seguridad de %1 en curso</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>El servidor proxy requiere autenticación</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Servidor</translation>
    </message>
    <message>
        <source>Choose the folder to back up</source>
        <translation>Elegir la carpeta para la copia de seguridad</translation>
    </message>
    <message>
        <source>A session with the server could not be created.</source>
        <translation>No se ha podido crear una sesión con el servidor.</translation>
    </message>
    <message>
        <source>Skylet Backup is ready.</source>
        <translation>Skylet Backup está lista.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>This version of Skylet Backup is no longer supported. Please upgrade.</source>
        <translation>Esta versión de Skylet Backup ya no es compatible. Actualice a una versión más reciente.</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <translation>Extensiones de archivo excluidas</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Aplicando la configuración...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Actualizando...</translation>
    </message>
    <message>
        <source>Look for a backup made earlier on this computer</source>
        <translation>Buscar una copia de seguridad anterior de este equipo</translation>
    </message>
    <message>
        <source>Start Skylet Backup when I log in</source>
        <translation>Iniciar Skylet Backup al iniciar sesión</translation>
    </message>
    <message>
        <source>Check the settings below, then click Done to start the backup.</source>
        <translation>Compruebe la configuración siguiente y haga clic en Finalizar para iniciar la copia de seguridad.</translation>
    </message>
</context>
</TS>
