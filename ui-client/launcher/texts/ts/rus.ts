<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <translation>Последняя резервная копия: %1</translation>
    </message>
    <message>
        <source>Skip files and folders whose names begin with a dot</source>
        <translation>Пропускать файлы и папки, имена которых начинаются с точки</translation>
    </message>
    <message>
        <source>Please check your user name and password.</source>
        <translation>Проверьте имя пользователя и пароль.</translation>
    </message>
    <message>
        <source>Skylet Backup</source>
        <translation>Skylet Backup</translation>
    </message>
    <message>
        <source>The automatic connection ID is invalid.</source>
        <translation>Недопустимый идентификатор автоматического подключения.</translation>
    </message>
    <message>
        <source>The selected backup folder is invalid. Please choose another folder.</source>
        <translation>Выбранная папка для резервного копирования недопустима. Выберите другую папку.</translation>
    </message>
    <message>
        <source>Enter the address of your backup server and your account details.</source>
        <translation>Введите адрес сервера резервного копирования и данные учётной записи.</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Имя пользователя:</translation>
    </message>
    <message>
        <source>The backup direction of this task does not match the server settings.</source>
        <translation>Направление резервного копирования в этом задании не соответствует настройкам сервера.</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <translation>Введите код подтверждения из приложения для аутентификации:</translation>
    </message>
    <message>
        <source>The shared folder on the server has reached its quota.</source>
        <translation>Квота общей папки на сервере исчерпана.</translation>
    </message>
    <message>
        <source>The server certificate could not be verified.</source>
        <translation>Не удалось проверить сертификат сервера.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Подключение</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Прокси-сервер</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Choose the local folders to back up and where to store them on the server.</source>
        <translation>Выберите локальные папки для резервного копирования и место их хранения на сервере.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Завершено</translation>
    </message>
    <message>
        <source>The backup task on the server has been changed by another computer.</source>
        <translation>Задание резервного копирования на сервере было изменено с другого компьютера.</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <translation>Не удалось найти локальную папку для резервного копирования.</translation>
    </message>
    <message>
        <source>Server address:</source>
        <translation>Адрес сервера:</translation>
    </message>
    <message>
        <source>Need help? The online help explains every step of the setup.</source>
        <translation>Нужна помощь? В онлайн-справке описан каждый шаг настройки.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>The local database is damaged or cannot be opened.</source>
        <translation>Локальная база данных повреждена или не может быть открыта.</translation>
    </message>
    <message>
        <source>Your files, safely backed up.</source>
        <translation>Ваши файлы в надёжной резервной копии.</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Использовать монохромный значок в области уведомлений</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted.</source>
        <translation>Общая папка на сервере не смонтирована.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Ход выполнения</translation>
    </message>
    <message>
        <source>Open Skylet Backup</source>
        <translation>Открыть Skylet Backup</translation>
    </message>
    <message>
        <source>The server sent a response that could not be understood.</source>
        <translation>Не удалось распознать ответ сервера.</translation>
    </message>
    <message>
        <source>The backup folder is on a volume that is not mounted.</source>
        <translation>Папка для резервного копирования находится на несмонтированном томе.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Отсоединить</translation>
    </message>
    <message>
        <source>There is not enough free space on the local disk.</source>
        <translation>Недостаточно свободного места на локальном диске.</translation>
    </message>
    <message>
        <source>The home folder service is disabled for your account on the server.</source>
        <translation>Служба домашней папки отключена для вашей учётной записи на сервере.</translation>
    </message>
    <message>
        <source>Backup is up to date</source>
        <translation>Резервная копия актуальна</translation>
    </message>
    <message>
        <source>There is not enough free space for the selected folder.</source>
        <translation>Недостаточно свободного места для выбранной папки.</translation>
    </message>
    <message>
        <source>Skylet Backup keeps a copy of your files on your own server.</source>
        <translation>Skylet Backup хранит копию ваших файлов на вашем собственном сервере.</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <translation>Не удалось выполнить резервное копирование.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Путь</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Ручная настройка прокси-сервера</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Место назначения</translation>
    </message>
    <message>
        <source>A verification code is required to sign in.</source>
        <translation>Для входа требуется код подтверждения.</translation>
    </message>
    <message>
        <source>Unlink this computer from the server? Backups already stored stay on the server.</source>
        <translation>Отсоединить этот компьютер от сервера? Уже сохранённые резервные копии останутся на сервере.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Возобновить</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Пароль:</translation>
    </message>
    <message>
        <source>Skylet Backup is initializing...</source>
        <translation>Skylet Backup выполняет инициализацию...</translation>
    </message>
    <message>
        <source>No folder is selected. Please choose at least one folder to back up.</source>
        <translation>Папка не выбрана. Выберите хотя бы одну папку для резервного копирования.</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>Использовать системные настройки прокси-сервера</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Не сейчас</translation>
    </message>
    <message>
        <source>Local folders</source>
        <translation>Локальные папки</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Please enter a user name for the proxy server.</source>
        <translation>Введите имя пользователя для прокси-сервера.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Фильтр</translation>
    </message>
    <message>
        <source>The certificate of the server has changed since the last connection.</source>
        <translation>Сертификат сервера изменился с момента последнего подключения.</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Отсоединение...</translation>
    </message>
    <message>
        <source>Use a secure connection (SSL)</source>
        <translation>Использовать защищённое подключение (SSL)</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Версия: %1</translation>
    </message>
    <message>
        <source>Transfer queue</source>
        <translation>Очередь передачи</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Приостановить</translation>
    </message>
    <message>
        <source>The source folder is read-only. Its files can be backed up but not restored into it.</source>
        <translation>Исходная папка доступна только для чтения. Её файлы можно включить в резервную копию, но нельзя восстановить в неё.</translation>
    </message>
    <message>
        <source>This folder is read-only.</source>
        <translation>Эта папка доступна только для чтения.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Backup paused</source>
        <translation>Резервное копирование приостановлено</translation>
    </message>
    <message>
        <source>Upgrade Skylet Backup</source>
        <translation>Обновить Skylet Backup</translation>
    </message>
    <message>
        <source>The new language takes effect after Skylet Backup restarts.</source>
        <translation>Новый язык будет применён после перезапуска Skylet Backup.</translation>
    </message>
    <message>
        <source>The proxy port must be a number from 1 to 65535.</source>
        <translation>Порт прокси-сервера должен быть числом от 1 до 65535.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Отправка</translation>
    </message>
    <message>
        <source>The server certificate has changed. Make sure that you are connecting to the right server.</source>
        <translation>Сертификат сервера изменился. Убедитесь, что вы подключаетесь к нужному серверу.</translation>
    </message>
    <message>
        <source>The server does not accept connections from this IP address.</source>
        <translation>Сервер не принимает подключения с этого IP-адреса.</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Проверка подключения...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>Не удалось установить защищённое подключение к серверу.</translation>
    </message>
    <message>
        <source>Not needed</source>
        <translation>Не требуется</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Порт:</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <translation>Подключение к серверу</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>Неверный код подтверждения.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Выбрать</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <translation>Общая папка с таким именем уже существует.</translation>
    </message>
    <message>
        <source>This wizard helps you set up the backup of your computer.</source>
        <translation>Этот мастер поможет настроить резервное копирование компьютера.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Подключение...</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation>Общий доступ включён</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>You do not have permission to access the selected folder.</source>
        <translation>У вас нет прав доступа к выбранной папке.</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <translation>Ваша квота хранилища на сервере исчерпана.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Дважды щёлкните, чтобы изменить расширение файла.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <translation>Максимальный размер файла (МБ):</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Резервное копирование...</translation>
    </message>
    <message>
        <source>The selected folder is larger than the quota left on the server.</source>
        <translation>Размер выбранной папки превышает оставшуюся квоту на сервере.</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <translation>Слишком много неудачных попыток. Повторите попытку позже.</translation>
    </message>
    <message>
        <source>Enter 0 to back up files of any size.</source>
        <translation>Введите 0, чтобы создавать резервные копии файлов любого размера.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Произошла непредвиденная ошибка.</translation>
    </message>
    <message>
        <source>Skylet Backup could not be initialized.</source>
        <translation>Не удалось инициализировать Skylet Backup.</translation>
    </message>
    <message>
        <source>The backup task on the server does not belong to this computer.</source>
        <translation>Задание резервного копирования на сервере не принадлежит этому компьютеру.</translation>
    </message>
    <message>
        <source>Choose a folder on the server:</source>
        <translation>Выберите папку на сервере:</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <translation>Неверное имя пользователя или пароль.</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Язык:</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Как в системе</translation>
    </message>
    <message>
        <source>Connect anyway</source>
        <translation>Всё равно подключиться</translation>
    </message>
    <message>
        <source>Choose the folder on this computer that you want to back up.</source>
        <translation>Выберите папку на этом компьютере, для которой нужно создавать резервные копии.</translation>
    </message>
    <message>
        <source>The server requires two-step verification for your account. Please turn it on first.</source>
        <translation>Сервер требует двухэтапной проверки для вашей учётной записи. Сначала включите её.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Далее</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Введите адрес и порт прокси-сервера.</translation>
    </message>
    <message>
        <source>Your account is disabled on the server.</source>
        <translation>Ваша учётная запись на сервере отключена.</translation>
    </message>
    <message>
        <source>This folder is already backed up by another task.</source>
        <translation>Эта папка уже включена в другое задание резервного копирования.</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <translation>Нет допустимой папки для резервного копирования.</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked</source>
        <translation>Ожидание разблокировки файла</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Без прокси-сервера</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server.</source>
        <translation>Эта версия сервера не поддерживается. Обновите сервер.</translation>
    </message>
    <message>
        <source>Choose a folder on this computer</source>
        <translation>Выберите папку на этом компьютере</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <translation>Файлы больше этого размера не включаются в резервную копию.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted locally</source>
        <translation>Сохранять файлы на сервере при их локальном удалении</translation>
    </message>
    <message>
        <source>The network is unavailable. Please check your connection.</source>
        <translation>Сеть недоступна. Проверьте подключение.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Choose source folders</source>
        <translation>Выберите исходные папки</translation>
    </message>
    <message>
        <source>Read-only folders are backed up, but files cannot be restored into them.</source>
        <translation>Папки, доступные только для чтения, включаются в резервную копию, но восстановить в них файлы нельзя.</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Адрес:</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Предупреждение системы безопасности</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Ожидание</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>Загрузка обновления...</translation>
    </message>
    <message>
        <source>Welcome to Skylet Backup</source>
        <translation>Добро пожаловать в Skylet Backup</translation>
    </message>
    <message>
        <source>Proxy user name:</source>
        <translation>Имя пользователя прокси-сервера:</translation>
    </message>
    <message>
        <source>Connect through the FarLink relay</source>
        <translation>Подключаться через ретранслятор FarLink</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Учётная запись</translation>
    </message>
    <message>
        <source>The request could not be processed.</source>
        <translation>Не удалось обработать запрос.</translation>
    </message>
    <message>
        <source>The shared folder does not exist on the server.</source>
        <translation>Общая папка не существует на сервере.</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <translation>Не удалось обновить %1 (код ошибки: %2).</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Сводка</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Подготовка</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>The selected folder on the server is read-only.</source>
        <translation>Выбранная папка на сервере доступна только для чтения.</translation>
    </message>
    <message>
        <source>Backup stopped with errors</source>
        <translation>Резервное копирование остановлено из-за ошибок</translation>
    </message>
    <message>
        <source>Click here to update Skylet Backup.</source>
        <translation>Щёлкните здесь, чтобы обновить Skylet Backup.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Только чтение</translation>
    </message>
    <message>
        <source>The server administrator does not allow automatic connections.</source>
        <translation>Администратор сервера запретил автоматические подключения.</translation>
    </message>
    <message>
        <source>The selected folder overlaps a folder that is already backed up.</source>
        <translation>Выбранная папка пересекается с папкой, для которой уже выполняется резервное копирование.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Дополнительно</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <translation>Обработка файлов: %1...</translation>
    </message>
    <message>
        <source>Excluded paths</source>
        <translation>Исключённые пути</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder.</source>
        <translation>У вас нет прав на запись в общую папку.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>Файлы с этими расширениями не включаются в резервную копию:</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <translation>Ошибка проверки подлинности.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>The upgrade failed.</source>
        <translation>Не удалось выполнить обновление.</translation>
    </message>
    <message>
        <source>Searching for earlier backups on this computer...</source>
        <translation>Поиск предыдущих резервных копий на этом компьютере...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Запустить сейчас</translation>
    </message>
    <message>
        <source>Backing up %1</source>
        <translation>Резервное копирование: %1</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>Прокси-сервер требует проверки подлинности</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Сервер</translation>
    </message>
    <message>
        <source>Choose the folder to back up</source>
        <translation>Выберите папку для резервного копирования</translation>
    </message>
    <message>
        <source>A session with the server could not be created.</source>
        <translation>Не удалось создать сеанс связи с сервером.</translation>
    </message>
    <message>
        <source>Skylet Backup is ready.</source>
        <translation>Skylet Backup готов.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>This version of Skylet Backup is no longer supported. Please upgrade.</source>
        <translation>Эта версия Skylet Backup больше не поддерживается. Выполните обновление.</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <translation>Исключённые расширения файлов</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Применение настроек...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Обновление...</translation>
    </message>
    <message>
        <source>Look for a backup made earlier on this computer</source>
        <translation>Найти резервную копию, созданную ранее на этом компьютере</translation>
    </message>
    <message>
        <source>Start Skylet Backup when I log in</source>
        <translation>Запускать Skylet Backup при входе в систему</translation>
    </message>
    <message>
        <source>Check the settings below, then click Done to start the backup.</source>
        <translation>Проверьте настройки ниже и нажмите «Готово», чтобы начать резервное копирование.</translation>
    </message>
</context>
</TS>
