<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <translation>前回のバックアップ：%1</translation>
    </message>
    <message>
        <source>Skip files and folders whose names begin with a dot</source>
        <translation>名前がドットで始まるファイルとフォルダーをスキップする</translation>
    </message>
    <message>
        <source>Please check your user name and password.</source>
        <translation>ユーザー名とパスワードを確認してください。</translation>
    </message>
    <message>
        <source>Skylet Backup</source>
        <translation>Skylet Backup</translation>
    </message>
    <message>
        <source>The automatic connection ID is invalid.</source>
        <translation>自動接続 ID が無効です。</translation>
    </message>
    <message>
        <source>The selected backup folder is invalid. Please choose another folder.</source>
        <translation>選択したバックアップフォルダーは無効です。別のフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>Enter the address of your backup server and your account details.</source>
        <translation>バックアップサーバーのアドレスとアカウント情報を入力してください。</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>ユーザー名：</translation>
    </message>
    <message>
        <source>The backup direction of this task does not match the server settings.</source>
        <translation>このタスクのバックアップ方向がサーバーの設定と一致しません。</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <translation>認証アプリに表示された確認コードを入力してください：</translation>
    </message>
    <message>
        <source>The shared folder on the server has reached its quota.</source>
        <translation>サーバー上の共有フォルダーがクォータに達しました。</translation>
    </message>
    <message>
        <source>The server certificate could not be verified.</source>
        <translation>サーバー証明書を検証できませんでした。</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>接続</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>プロキシ</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Choose the local folders to back up and where to store them on the server.</source>
        <translation>バックアップするローカルフォルダーと、サーバー上の保存先を選択してください。</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>The backup task on the server has been changed by another computer.</source>
        <translation>サーバー上のバックアップタスクが別のコンピューターによって変更されました。</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <translation>ローカルのバックアップフォルダーが見つかりません。</translation>
    </message>
    <message>
        <source>Server address:</source>
        <translation>サーバーアドレス：</translation>
    </message>
    <message>
        <source>Need help? The online help explains every step of the setup.</source>
        <translation>お困りですか？オンラインヘルプでセットアップの各手順を説明しています。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The local database is damaged or cannot be opened.</source>
        <translation>ローカルデータベースが破損しているか、開くことができません。</translation>
    </message>
    <message>
        <source>Your files, safely backed up.</source>
        <translation>大切なファイルを安全にバックアップ。</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>モノクロのトレイアイコンを使用する</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted.</source>
        <translation>サーバー上の共有フォルダーがマウントされていません。</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>進行状況</translation>
    </message>
    <message>
        <source>Open Skylet Backup</source>
        <translation>Skylet Backup を開く</translation>
    </message>
    <message>
        <source>The server sent a response that could not be understood.</source>
        <translation>サーバーから解釈できない応答が返されました。</translation>
    </message>
    <message>
        <source>The backup folder is on a volume that is not mounted.</source>
        <translation>バックアップフォルダーがあるボリュームがマウントされていません。</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>リンク解除</translation>
    </message>
    <message>
        <source>There is not enough free space on the local disk.</source>
        <translation>ローカルディスクの空き容量が不足しています。</translation>
    </message>
    <message>
        <source>The home folder service is disabled for your account on the server.</source>
        <translation>サーバーで、お使いのアカウントのホームフォルダーサービスが無効になっています。</translation>
    </message>
    <message>
        <source>Backup is up to date</source>
        <translation>バックアップは最新です</translation>
    </message>
    <message>
        <source>There is not enough free space for the selected folder.</source>
        <translation>選択したフォルダーに必要な空き容量が不足しています。</translation>
    </message>
    <message>
        <source>Skylet Backup keeps a copy of your files on your own server.</source>
        <translation>Skylet Backup は、ご自身のサーバーにファイルのコピーを保存します。</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <translation>バックアップに失敗しました。</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>パス</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>プロキシを手動で設定する</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>保存先</translation>
    </message>
    <message>
        <source>A verification code is required to sign in.</source>
        <translation>サインインするには確認コードが必要です。</translation>
    </message>
    <message>
        <source>Unlink this computer from the server? Backups already stored stay on the server.</source>
        <translation>このコンピューターとサーバーのリンクを解除しますか？保存済みのバックアップはサーバーに残ります。</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>再開</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>パスワード：</translation>
    </message>
    <message>
        <source>Skylet Backup is initializing...</source>
        <translation>Skylet Backup は初期化中です。</translation>
    </message>
    <message>
        <source>No folder is selected. Please choose at least one folder to back up.</source>
        <translation>フォルダーが選択されていません。バックアップするフォルダーを 1 つ以上選択してください。</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>システムのプロキシ設定を使用する</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>後で</translation>
    </message>
    <message>
        <source>Local folders</source>
        <translation>ローカルフォルダー</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Please enter a user name for the proxy server.</source>
        <translation>プロキシサーバーのユーザー名を入力してください。</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>フィルター</translation>
    </message>
    <message>
        <source>The certificate of the server has changed since the last connection.</source>
        <translation>前回の接続以降、サーバーの証明書が変更されています。</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>リンクを解除しています...</translation>
    </message>
    <message>
        <source>Use a secure connection (SSL)</source>
        <translation>安全な接続（SSL）を使用する</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>バージョン：%1</translation>
    </message>
    <message>
        <source>Transfer queue</source>
        <translation>転送キュー</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>The source folder is read-only. Its files can be backed up but not restored into it.</source>
        <translation>バックアップ元のフォルダーは読み取り専用です。ファイルをバックアップすることはできますが、このフォルダーに復元することはできません。</translation>
    </message>
    <message>
        <source>This folder is read-only.</source>
        <translation>このフォルダーは読み取り専用です。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Backup paused</source>
        <translation>バックアップ一時停止中</translation>
    </message>
    <message>
        <source>Upgrade Skylet Backup</source>
        <translation>Skylet Backup のアップグレード</translation>
    </message>
    <message>
        <source>The new language takes effect after Skylet Backup restarts.</source>
        <translation>新しい言語は Skylet Backup の再起動後に有効になります。</translation>
    </message>
    <message>
        <source>The proxy port must be a number from 1 to 65535.</source>
        <translation>プロキシのポートには 1 ～ 65535 の数値を指定してください。</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>アップロード中</translation>
    </message>
    <message>
        <source>The server certificate has changed. Make sure that you are connecting to the right server.</source>
        <translation>サーバー証明書が変更されています。正しいサーバーに接続していることを確認してください。</translation>
    </message>
    <message>
        <source>The server does not accept connections from this IP address.</source>
        <translation>サーバーはこの IP アドレスからの接続を受け付けていません。</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>接続をテストしています...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>サーバーとの安全な接続を確立できませんでした。</translation>
    </message>
    <message>
        <source>Not needed</source>
        <translation>不要</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>ポート：</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <translation>サーバーに接続</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>確認コードが正しくありません。</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <translation>この名前の共有フォルダーは既に存在します。</translation>
    </message>
    <message>
        <source>This wizard helps you set up the backup of your computer.</source>
        <translation>このウィザードでは、コンピューターのバックアップを設定します。</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>接続しています...</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation>共有が有効</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>You do not have permission to access the selected folder.</source>
        <translation>選択したフォルダーへのアクセス権がありません。</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <translation>サーバー上のストレージクォータがいっぱいです。</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>ダブルクリックすると拡張子を編集できます。</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>続行</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <translation>最大ファイルサイズ（MB）：</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>バックアップしています...</translation>
    </message>
    <message>
        <source>The selected folder is larger than the quota left on the server.</source>
        <translation>選択したフォルダーのサイズがサーバーの残りクォータを超えています。</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <translation>失敗した試行が多すぎます。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>Enter 0 to back up files of any size.</source>
        <translation>サイズに関係なくファイルをバックアップするには、0 を入力してください。</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>予期しないエラーが発生しました。</translation>
    </message>
    <message>
        <source>Skylet Backup could not be initialized.</source>
        <translation>Skylet Backup を初期化できませんでした。</translation>
    </message>
    <message>
        <source>The backup task on the server does not belong to this computer.</source>
        <translation>サーバー上のバックアップタスクはこのコンピューターのものではありません。</translation>
    </message>
    <message>
        <source>Choose a folder on the server:</source>
        <translation>サーバー上のフォルダーを選択してください：</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <translation>ユーザー名またはパスワードが正しくありません。</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>言語：</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>システムの既定</translation>
    </message>
    <message>
        <source>Connect anyway</source>
        <translation>このまま接続</translation>
    </message>
    <message>
        <source>Choose the folder on this computer that you want to back up.</source>
        <translation>このコンピューター上のバックアップするフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>The server requires two-step verification for your account. Please turn it on first.</source>
        <translation>サーバーでは、お使いのアカウントに 2 段階認証が必要です。先に 2 段階認証を有効にしてください。</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>プロキシのアドレスとポートを入力してください。</translation>
    </message>
    <message>
        <source>Your account is disabled on the server.</source>
        <translation>お使いのアカウントはサーバーで無効になっています。</translation>
    </message>
    <message>
        <source>This folder is already backed up by another task.</source>
        <translation>このフォルダーは既に別のタスクでバックアップされています。</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <translation>バックアップできる有効なフォルダーがありません。</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked</source>
        <translation>ファイルのロック解除を待機しています</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>プロキシを使用しない</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server.</source>
        <translation>このサーバーのバージョンはサポートされていません。サーバーを更新してください。</translation>
    </message>
    <message>
        <source>Choose a folder on this computer</source>
        <translation>このコンピューター上のフォルダーを選択</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <translation>このサイズより大きいファイルはバックアップされません。</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted locally</source>
        <translation>ローカルで削除されたファイルをサーバーに残す</translation>
    </message>
    <message>
        <source>The network is unavailable. Please check your connection.</source>
        <translation>ネットワークを利用できません。接続を確認してください。</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Choose source folders</source>
        <translation>バックアップ元フォルダーの選択</translation>
    </message>
    <message>
        <source>Read-only folders are backed up, but files cannot be restored into them.</source>
        <translation>読み取り専用フォルダーはバックアップされますが、そのフォルダーにファイルを復元することはできません。</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>アドレス：</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>セキュリティの警告</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>待機中</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>更新プログラムをダウンロードしています...</translation>
    </message>
    <message>
        <source>Welcome to Skylet Backup</source>
        <translation>Skylet Backup へようこそ</translation>
    </message>
    <message>
        <source>Proxy user name:</source>
        <translation>プロキシのユーザー名：</translation>
    </message>
    <message>
        <source>Connect through the FarLink relay</source>
        <translation>FarLink リレー経由で接続する</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>アカウント</translation>
    </message>
    <message>
        <source>The request could not be processed.</source>
        <translation>要求を処理できませんでした。</translation>
    </message>
    <message>
        <source>The shared folder does not exist on the server.</source>
        <translation>共有フォルダーがサーバー上に存在しません。</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <translation>%1 のアップグレードに失敗しました（エラーコード：%2）。</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>概要</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>準備中</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>The selected folder on the server is read-only.</source>
        <translation>サーバー上の選択したフォルダーは読み取り専用です。</translation>
    </message>
    <message>
        <source>Backup stopped with errors</source>
        <translation>エラーによりバックアップが停止しました</translation>
    </message>
    <message>
        <source>Click here to update Skylet Backup.</source>
        <translation>Skylet Backup を更新するには、ここをクリックしてください。</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>読み取り専用</translation>
    </message>
    <message>
        <source>The server administrator does not allow automatic connections.</source>
        <translation>サーバーの管理者が自動接続を許可していません。</translation>
    </message>
    <message>
        <source>The selected folder overlaps a folder that is already backed up.</source>
        <translation>選択したフォルダーは、既にバックアップされているフォルダーと重複しています。</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>詳細設定</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <translation>%1 個のファイルを処理しています...</translation>
    </message>
    <message>
        <source>Excluded paths</source>
        <translation>除外するパス</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder.</source>
        <translation>共有フォルダーへの書き込み権限がありません。</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>次の拡張子のファイルはバックアップされません：</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <translation>認証に失敗しました。</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>The upgrade failed.</source>
        <translation>アップグレードに失敗しました。</translation>
    </message>
    <message>
        <source>Searching for earlier backups on this computer...</source>
        <translation>このコンピューター上の以前のバックアップを検索しています...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>今すぐ開始</translation>
    </message>
    <message>
        <source>Backing up %1</source>
        <translation>%1 をバックアップしています</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>プロキシサーバーで認証が必要です</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>サーバー</translation>
    </message>
    <message>
        <source>Choose the folder to back up</source>
        <translation>バックアップするフォルダーの選択</translation>
    </message>
    <message>
        <source>A session with the server could not be created.</source>
        <translation>サーバーとのセッションを作成できませんでした。</translation>
    </message>
    <message>
        <source>Skylet Backup is ready.</source>
        <translation>Skylet Backup は準備完了です。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>This version of Skylet Backup is no longer supported. Please upgrade.</source>
        <translation>このバージョンの Skylet Backup はサポートが終了しています。アップグレードしてください。</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <translation>除外する拡張子</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>設定を適用しています...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>更新しています...</translation>
    </message>
    <message>
        <source>Look for a backup made earlier on this computer</source>
        <translation>このコンピューターで以前に作成したバックアップを探す</translation>
    </message>
    <message>
        <source>Start Skylet Backup when I log in</source>
        <translation>ログイン時に Skylet Backup を起動する</translation>
    </message>
    <message>
        <source>Check the settings below, then click Done to start the backup.</source>
        <translation>以下の設定を確認し、「完了」をクリックしてバックアップを開始してください。</translation>
    </message>
</context>
</TS>
