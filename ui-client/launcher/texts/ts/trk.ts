<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <translation>Son yedekleme: %1</translation>
    </message>
    <message>
        <source>Skip files and folders whose names begin with a dot</source>
        <translation>Adı nokta ile başlayan dosya ve klasörleri atla</translation>
    </message>
    <message>
        <source>Please check your user name and password.</source>
        <translation>Lütfen kullanıcı adınızı ve parolanızı kontrol edin.</translation>
    </message>
    <message>
        <source>Skylet Backup</source>
        <translation>Skylet Backup</translation>
    </message>
    <message>
        <source>The automatic connection ID is invalid.</source>
        <translation>Otomatik bağlantı kimliği geçersiz.</translation>
    </message>
    <message>
        <source>The selected backup folder is invalid. Please choose another folder.</source>
        <translation>Seçilen yedekleme klasörü geçersiz. Lütfen başka bir klasör seçin.</translation>
    </message>
    <message>
        <source>Enter the address of your backup server and your account details.</source>
        <translation>Yedekleme sunucunuzun adresini ve hesap bilgilerinizi girin.</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Kullanıcı adı:</translation>
    </message>
    <message>
        <source>The backup direction of this task does not match the server settings.</source>
        <translation>Bu görevin yedekleme yönü sunucu ayarlarıyla eşleşmiyor.</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <translation>Kimlik doğrulayıcı uygulamanızdaki doğrulama kodunu girin:</translation>
    </message>
    <message>
        <source>The shared folder on the server has reached its quota.</source>
        <translation>Sunucudaki paylaşılan klasör kotasına ulaştı.</translation>
    </message>
    <message>
        <source>The server certificate could not be verified.</source>
        <translation>Sunucu sertifikası doğrulanamadı.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Bağlantı</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Bitti</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>Choose the local folders to back up and where to store them on the server.</source>
        <translation>Yedeklenecek yerel klasörleri ve bunların sunucuda nerede saklanacağını seçin.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Tamamlandı</translation>
    </message>
    <message>
        <source>The backup task on the server has been changed by another computer.</source>
        <translation>Sunucudaki yedekleme görevi başka bir bilgisayar tarafından değiştirildi.</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <translation>Yerel yedekleme klasörü bulunamıyor.</translation>
    </message>
    <message>
        <source>Server address:</source>
        <translation>Sunucu adresi:</translation>
    </message>
    <message>
        <source>Need help? The online help explains every step of the setup.</source>
        <translation>Yardım mı gerekiyor? Çevrimiçi yardım, kurulumun her adımını açıklar.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>The local database is damaged or cannot be opened.</source>
        <translation>Yerel veritabanı bozuk veya açılamıyor.</translation>
    </message>
    <message>
        <source>Your files, safely backed up.</source>
        <translation>Dosyalarınız güvenle yedekte.</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Tek renkli bildirim alanı simgesi kullan</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted.</source>
        <translation>Sunucudaki paylaşılan klasör bağlanmamış.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>İlerleme</translation>
    </message>
    <message>
        <source>Open Skylet Backup</source>
        <translation>Skylet Backup'ı aç</translation>
    </message>
    <message>
        <source>The server sent a response that could not be understood.</source>
        <translation>Sunucu anlaşılamayan bir yanıt gönderdi.</translation>
    </message>
    <message>
        <source>The backup folder is on a volume that is not mounted.</source>
        <translation>Yedekleme klasörü bağlanmamış bir birimde.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Bağlantıyı kaldır</translation>
    </message>
    <message>
        <source>There is not enough free space on the local disk.</source>
        <translation>Yerel diskte yeterli boş alan yok.</translation>
    </message>
    <message>
        <source>The home folder service is disabled for your account on the server.</source>
        <translation>Ev klasörü hizmeti, sunucudaki hesabınız için devre dışı.</translation>
    </message>
    <message>
        <source>Backup is up to date</source>
        <translation>Yedek güncel</translation>
    </message>
    <message>
        <source>There is not enough free space for the selected folder.</source>
        <translation>Seçilen klasör için yeterli boş alan yok.</translation>
    </message>
    <message>
        <source>Skylet Backup keeps a copy of your files on your own server.</source>
        <translation>Skylet Backup, dosyalarınızın bir kopyasını kendi sunucunuzda saklar.</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <translation>Yedekleme başarısız oldu.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Yol</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Elle proxy yapılandırması</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Hedef</translation>
    </message>
    <message>
        <source>A verification code is required to sign in.</source>
        <translation>Oturum açmak için doğrulama kodu gerekiyor.</translation>
    </message>
    <message>
        <source>Unlink this computer from the server? Backups already stored stay on the server.</source>
        <translation>Bu bilgisayarın sunucuyla bağlantısı kaldırılsın mı? Önceden saklanan yedekler sunucuda kalır.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Sürdür</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Parola:</translation>
    </message>
    <message>
        <source>Skylet Backup is initializing...</source>
        <translation>Skylet Backup başlıyor...</translation>
    </message>
    <message>
        <source>No folder is selected. Please choose at least one folder to back up.</source>
        <translation>Hiçbir klasör seçilmedi. Lütfen yedeklenecek en az bir klasör seçin.</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>Sistem proxy ayarlarını kullan</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Şimdi değil</translation>
    </message>
    <message>
        <source>Local folders</source>
        <translation>Yerel klasörler</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Dosya</translation>
    </message>
    <message>
        <source>Please enter a user name for the proxy server.</source>
        <translation>Lütfen proxy sunucusu için bir kullanıcı adı girin.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>The certificate of the server has changed since the last connection.</source>
        <translation>Sunucunun sertifikası son bağlantıdan bu yana değişti.</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Bağlantı kaldırılıyor...</translation>
    </message>
    <message>
        <source>Use a secure connection (SSL)</source>
        <translation>Güvenli bağlantı kullan (SSL)</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Sürüm: %1</translation>
    </message>
    <message>
        <source>Transfer queue</source>
        <translation>Aktarım kuyruğu</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Duraklat</translation>
    </message>
    <message>
        <source>The source folder is read-only. Its files can be backed up but not restored into it.</source>
        <translation>Kaynak klasör salt okunur. Dosyaları yedeklenebilir ancak bu klasöre geri yüklenemez.</translation>
    </message>
    <message>
        <source>This folder is read-only.</source>
        <translation>Bu klasör salt okunur.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hata</translation>
    </message>
    <message>
        <source>Backup paused</source>
        <translation>Yedekleme duraklatıldı</translation>
    </message>
    <message>
        <source>Upgrade Skylet Backup</source>
        <translation>Skylet Backup'ı yükselt</translation>
    </message>
    <message>
        <source>The new language takes effect after Skylet Backup restarts.</source>
        <translation>Yeni dil, Skylet Backup yeniden başlatıldıktan sonra etkinleşir.</translation>
    </message>
    <message>
        <source>The proxy port must be a number from 1 to 65535.</source>
        <translation>Proxy bağlantı noktası 1 ile 65535 arasında bir sayı olmalıdır.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Karşıya yükleniyor</translation>
    </message>
    <message>
        <source>The server certificate has changed. Make sure that you are connecting to the right server.</source>
        <translation>Sunucu sertifikası değişti. Doğru sunucuya bağlandığınızdan emin olun.</translation>
    </message>
    <message>
        <source>The server does not accept connections from this IP address.</source>
        <translation>Sunucu bu IP adresinden gelen bağlantıları kabul etmiyor.</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Bağlantı test ediliyor...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>Sunucuyla güvenli bağlantı kurulamadı.</translation>
    </message>
    <message>
        <source>Not needed</source>
        <translation>Gerekli değil</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Bağlantı noktası:</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <translation>Sunucunuza bağlanın</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>Doğrulama kodu yanlış.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seç</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <translation>Bu ada sahip bir paylaşılan klasör zaten var.</translation>
    </message>
    <message>
        <source>This wizard helps you set up the backup of your computer.</source>
        <translation>Bu sihirbaz, bilgisayarınızın yedeklemesini ayarlamanıza yardımcı olur.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Bağlanılıyor...</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation>Paylaşım etkin</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>You do not have permission to access the selected folder.</source>
        <translation>Seçilen klasöre erişim izniniz yok.</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <translation>Sunucudaki depolama kotanız doldu.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Dosya uzantısını düzenlemek için çift tıklayın.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Devam</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <translation>En büyük dosya boyutu (MB):</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Yedekleniyor...</translation>
    </message>
    <message>
        <source>The selected folder is larger than the quota left on the server.</source>
        <translation>Seçilen klasör, sunucuda kalan kotadan büyük.</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <translation>Çok fazla başarısız deneme. Lütfen daha sonra yeniden deneyin.</translation>
    </message>
    <message>
        <source>Enter 0 to back up files of any size.</source>
        <translation>Her boyuttaki dosyaları yedeklemek için 0 girin.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Beklenmeyen bir hata oluştu.</translation>
    </message>
    <message>
        <source>Skylet Backup could not be initialized.</source>
        <translation>Skylet Backup başlatılamadı.</translation>
    </message>
    <message>
        <source>The backup task on the server does not belong to this computer.</source>
        <translation>Sunucudaki yedekleme görevi bu bilgisayara ait değil.</translation>
    </message>
    <message>
        <source>Choose a folder on the server:</source>
        <translation>Sunucuda bir klasör seçin:</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <translation>Kullanıcı adı veya parola yanlış.</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Dil:</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Sistem varsayılanı</translation>
    </message>
    <message>
        <source>Connect anyway</source>
        <translation>Yine de bağlan</translation>
    </message>
    <message>
        <source>Choose the folder on this computer that you want to back up.</source>
        <translation>Bu bilgisayarda yedeklemek istediğiniz klasörü seçin.</translation>
    </message>
    <message>
        <source>The server requires two-step verification for your account. Please turn it on first.</source>
        <translation>Sunucu, hesabınız için iki adımlı doğrulama gerektiriyor. Lütfen önce bunu etkinleştirin.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>İleri</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Uygula</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Lütfen proxy adresini ve bağlantı noktasını girin.</translation>
    </message>
    <message>
        <source>Your account is disabled on the server.</source>
        <translation>Hesabınız sunucuda devre dışı bırakılmış.</translation>
    </message>
    <message>
        <source>This folder is already backed up by another task.</source>
        <translation>Bu klasör zaten başka bir görev tarafından yedekleniyor.</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <translation>Yedeklenecek geçerli bir klasör yok.</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked</source>
        <translation>Dosyanın kilidinin açılması bekleniyor</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Proxy yok</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server.</source>
        <translation>Sunucu sürümü desteklenmiyor. Lütfen sunucuyu güncelleyin.</translation>
    </message>
    <message>
        <source>Choose a folder on this computer</source>
        <translation>Bu bilgisayarda bir klasör seçin</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <translation>Bu boyuttan büyük dosyalar yedeklenmez.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted locally</source>
        <translation>Yerel olarak silinen dosyaları sunucuda tut</translation>
    </message>
    <message>
        <source>The network is unavailable. Please check your connection.</source>
        <translation>Ağ kullanılamıyor. Lütfen bağlantınızı kontrol edin.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Durum</translation>
    </message>
    <message>
        <source>Choose source folders</source>
        <translation>Kaynak klasörleri seçin</translation>
    </message>
    <message>
        <source>Read-only folders are backed up, but files cannot be restored into them.</source>
        <translation>Salt okunur klasörler yedeklenir ancak dosyalar bu klasörlere geri yüklenemez.</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adres:</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Güvenlik uyarısı</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Bekleniyor</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>Güncelleme indiriliyor...</translation>
    </message>
    <message>
        <source>Welcome to Skylet Backup</source>
        <translation>Skylet Backup'a hoş geldiniz</translation>
    </message>
    <message>
        <source>Proxy user name:</source>
        <translation>Proxy kullanıcı adı:</translation>
    </message>
    <message>
        <source>Connect through the FarLink relay</source>
        <translation>FarLink aktarma sunucusu üzerinden bağlan</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Hesap</translation>
    </message>
    <message>
        <source>The request could not be processed.</source>
        <translation>İstek işlenemedi.</translation>
    </message>
    <message>
        <source>The shared folder does not exist on the server.</source>
        <translation>Paylaşılan klasör sunucuda yok.</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <translation>%1 yükseltmesi başarısız oldu (hata kodu: %2).</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Özet</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Hazırlanıyor</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Seçenekler</translation>
    </message>
    <message>
        <source>The selected folder on the server is read-only.</source>
        <translation>Sunucuda seçilen klasör salt okunur.</translation>
    </message>
    <message>
        <source>Backup stopped with errors</source>
        <translation>Yedekleme hatalarla durdu</translation>
    </message>
    <message>
        <source>Click here to update Skylet Backup.</source>
        <translation>Skylet Backup'ı güncellemek için buraya tıklayın.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Salt okunur</translation>
    </message>
    <message>
        <source>The server administrator does not allow automatic connections.</source>
        <translation>Sunucu yöneticisi otomatik bağlantılara izin vermiyor.</translation>
    </message>
    <message>
        <source>The selected folder overlaps a folder that is already backed up.</source>
        <translation>Seçilen klasör, zaten yedeklenen bir klasörle çakışıyor.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Gelişmiş</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <translation>%1 dosya işleniyor...</translation>
    </message>
    <message>
        <source>Excluded paths</source>
        <translation>Hariç tutulan yollar</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder.</source>
        <translation>Paylaşılan klasöre yazma izniniz yok.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>Bu uzantılara sahip dosyalar yedeklenmez:</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <translation>Kimlik doğrulama başarısız oldu.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>The upgrade failed.</source>
        <translation>Yükseltme başarısız oldu.</translation>
    </message>
    <message>
        <source>Searching for earlier backups on this computer...</source>
        <translation>Bu bilgisayarda önceki yedekler aranıyor...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Geri</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Şimdi başlat</translation>
    </message>
    <message>
        <source>Backing up %1</source>
        <translation>%1 yedekleniyor</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>Proxy sunucusu kimlik doğrulaması gerektiriyor</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Sunucu</translation>
    </message>
    <message>
        <source>Choose the folder to back up</source>
        <translation>Yedeklenecek klasörü seçin</translation>
    </message>
    <message>
        <source>A session with the server could not be created.</source>
        <translation>Sunucuyla oturum oluşturulamadı.</translation>
    </message>
    <message>
        <source>Skylet Backup is ready.</source>
        <translation>Skylet Backup hazır.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>This version of Skylet Backup is no longer supported. Please upgrade.</source>
        <translation>Skylet Backup'ın bu sürümü artık desteklenmiyor. Lütfen yükseltin.</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <translation>Hariç tutulan dosya uzantıları</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Ayarlar uygulanıyor...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Güncelleniyor...</translation>
    </message>
    <message>
        <source>Look for a backup made earlier on this computer</source>
        <translation>Bu bilgisayarda daha önce alınmış bir yedek ara</translation>
    </message>
    <message>
        <source>Start Skylet Backup when I log in</source>
        <translation>Oturum açtığımda Skylet Backup'ı başlat</translation>
    </message>
    <message>
        <source>Check the settings below, then click Done to start the backup.</source>
        <translation>Aşağıdaki ayarları kontrol edin, ardından yedeklemeyi başlatmak için Bitti düğmesine tıklayın.</translation>
    </message>
</context>
</TS>
