<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <translation>마지막 백업: %1</translation>
    </message>
    <message>
        <source>Skip files and folders whose names begin with a dot</source>
        <translation>이름이 점으로 시작하는 파일 및 폴더 건너뛰기</translation>
    </message>
    <message>
        <source>Please check your user name and password.</source>
        <translation>사용자 이름과 비밀번호를 확인하십시오.</translation>
    </message>
    <message>
        <source>Skylet Backup</source>
        <translation>Skylet Backup</translation>
    </message>
    <message>
        <source>The automatic connection ID is invalid.</source>
        <translation>자동 연결 ID가 올바르지 않습니다.</translation>
    </message>
    <message>
        <source>The selected backup folder is invalid. Please choose another folder.</source>
        <translation>선택한 백업 폴더가 올바르지 않습니다. 다른 폴더를 선택하십시오.</translation>
    </message>
    <message>
        <source>Enter the address of your backup server and your account details.</source>
        <translation>백업 서버의 주소와 계정 정보를 입력하십시오.</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>사용자 이름:</translation>
    </message>
    <message>
        <source>The backup direction of this task does not match the server settings.</source>
        <translation>이 작업의 백업 방향이 서버 설정과 일치하지 않습니다.</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <translation>인증 앱에 표시된 인증 코드를 입력하십시오:</translation>
    </message>
    <message>
        <source>The shared folder on the server has reached its quota.</source>
        <translation>서버의 공유 폴더가 할당량에 도달했습니다.</translation>
    </message>
    <message>
        <source>The server certificate could not be verified.</source>
        <translation>서버 인증서를 확인할 수 없습니다.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>연결</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>프록시</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Choose the local folders to back up and where to store them on the server.</source>
        <translation>백업할 로컬 폴더와 서버에 저장할 위치를 선택하십시오.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>완료됨</translation>
    </message>
    <message>
        <source>The backup task on the server has been changed by another computer.</source>
        <translation>서버의 백업 작업이 다른 컴퓨터에 의해 변경되었습니다.</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <translation>로컬 백업 폴더를 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>Server address:</source>
        <translation>서버 주소:</translation>
    </message>
    <message>
        <source>Need help? The online help explains every step of the setup.</source>
        <translation>도움이 필요하십니까? 온라인 도움말에서 설정의 모든 단계를 설명합니다.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>The local database is damaged or cannot be opened.</source>
        <translation>로컬 데이터베이스가 손상되었거나 열 수 없습니다.</translation>
    </message>
    <message>
        <source>Your files, safely backed up.</source>
        <translation>소중한 파일을 안전하게 백업합니다.</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>흑백 트레이 아이콘 사용</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted.</source>
        <translation>서버의 공유 폴더가 마운트되지 않았습니다.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>진행률</translation>
    </message>
    <message>
        <source>Open Skylet Backup</source>
        <translation>Skylet Backup 열기</translation>
    </message>
    <message>
        <source>The server sent a response that could not be understood.</source>
        <translation>서버에서 인식할 수 없는 응답을 보냈습니다.</translation>
    </message>
    <message>
        <source>The backup folder is on a volume that is not mounted.</source>
        <translation>백업 폴더가 있는 볼륨이 마운트되지 않았습니다.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>연결 해제</translation>
    </message>
    <message>
        <source>There is not enough free space on the local disk.</source>
        <translation>로컬 디스크의 여유 공간이 부족합니다.</translation>
    </message>
    <message>
        <source>The home folder service is disabled for your account on the server.</source>
        <translation>서버에서 사용자 계정의 홈 폴더 서비스가 비활성화되어 있습니다.</translation>
    </message>
    <message>
        <source>Backup is up to date</source>
        <translation>백업이 최신 상태입니다</translation>
    </message>
    <message>
        <source>There is not enough free space for the selected folder.</source>
        <translation>선택한 폴더에 필요한 여유 공간이 부족합니다.</translation>
    </message>
    <message>
        <source>Skylet Backup keeps a copy of your files on your own server.</source>
        <translation>Skylet Backup은 사용자 소유의 서버에 파일 사본을 보관합니다.</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <translation>백업에 실패했습니다.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>경로</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>수동 프록시 구성</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>대상</translation>
    </message>
    <message>
        <source>A verification code is required to sign in.</source>
        <translation>로그인하려면 인증 코드가 필요합니다.</translation>
    </message>
    <message>
        <source>Unlink this computer from the server? Backups already stored stay on the server.</source>
        <translation>이 컴퓨터와 서버의 연결을 해제하시겠습니까? 이미 저장된 백업은 서버에 그대로 남아 있습니다.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>재개</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>비밀번호:</translation>
    </message>
    <message>
        <source>Skylet Backup is initializing...</source>
        <translation>Skylet Backup 초기화 중...</translation>
    </message>
    <message>
        <source>No folder is selected. Please choose at least one folder to back up.</source>
        <translation>선택한 폴더가 없습니다. 백업할 폴더를 하나 이상 선택하십시오.</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>시스템 프록시 설정 사용</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>나중에</translation>
    </message>
    <message>
        <source>Local folders</source>
        <translation>로컬 폴더</translation>
    </message>
    <message>
        <source>File</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>Please enter a user name for the proxy server.</source>
        <translation>프록시 서버의 사용자 이름을 입력하십시오.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>필터</translation>
    </message>
    <message>
        <source>The certificate of the server has changed since the last connection.</source>
        <translation>마지막 연결 이후 서버 인증서가 변경되었습니다.</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>연결 해제 중...</translation>
    </message>
    <message>
        <source>Use a secure connection (SSL)</source>
        <translation>보안 연결(SSL) 사용</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>버전: %1</translation>
    </message>
    <message>
        <source>Transfer queue</source>
        <translation>전송 대기열</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>일시 중지</translation>
    </message>
    <message>
        <source>The source folder is read-only. Its files can be backed up but not restored into it.</source>
        <translation>원본 폴더가 읽기 전용입니다. 이 폴더의 파일을 백업할 수는 있지만 이 폴더로 복원할 수는 없습니다.</translation>
    </message>
    <message>
        <source>This folder is read-only.</source>
        <translation>이 폴더는 읽기 전용입니다.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>오류</translation>
    </message>
    <message>
        <source>Backup paused</source>
        <translation>백업 일시 중지됨</translation>
    </message>
    <message>
        <source>Upgrade Skylet Backup</source>
        <translation>Skylet Backup 업그레이드</translation>
    </message>
    <message>
        <source>The new language takes effect after Skylet Backup restarts.</source>
        <translation>새 언어는 Skylet Backup을 다시 시작한 후에 적용됩니다.</translation>
    </message>
    <message>
        <source>The proxy port must be a number from 1 to 65535.</source>
        <translation>프록시 포트는 1에서 65535 사이의 숫자여야 합니다.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>업로드 중</translation>
    </message>
    <message>
        <source>The server certificate has changed. Make sure that you are connecting to the right server.</source>
        <translation>서버 인증서가 변경되었습니다. 올바른 서버에 연결하고 있는지 확인하십시오.</translation>
    </message>
    <message>
        <source>The server does not accept connections from this IP address.</source>
        <translation>서버에서 이 IP 주소의 연결을 허용하지 않습니다.</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>연결 테스트 중...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>서버와 보안 연결을 설정할 수 없습니다.</translation>
    </message>
    <message>
        <source>Not needed</source>
        <translation>필요 없음</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>포트:</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <translation>서버에 연결</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>인증 코드가 올바르지 않습니다.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>선택</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <translation>이 이름의 공유 폴더가 이미 있습니다.</translation>
    </message>
    <message>
        <source>This wizard helps you set up the backup of your computer.</source>
        <translation>이 마법사를 사용하여 컴퓨터의 백업을 설정할 수 있습니다.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>연결 중...</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation>공유 사용</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>You do not have permission to access the selected folder.</source>
        <translation>선택한 폴더에 액세스할 권한이 없습니다.</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <translation>서버의 저장 공간 할당량이 가득 찼습니다.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>파일 확장명을 편집하려면 두 번 클릭하십시오.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>계속</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <translation>최대 파일 크기(MB):</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>백업 중...</translation>
    </message>
    <message>
        <source>The selected folder is larger than the quota left on the server.</source>
        <translation>선택한 폴더가 서버에 남은 할당량보다 큽니다.</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <translation>실패한 시도가 너무 많습니다. 나중에 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>Enter 0 to back up files of any size.</source>
        <translation>크기에 관계없이 파일을 백업하려면 0을 입력하십시오.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>예기치 않은 오류가 발생했습니다.</translation>
    </message>
    <message>
        <source>Skylet Backup could not be initialized.</source>
        <translation>Skylet Backup을 초기화할 수 없습니다.</translation>
    </message>
    <message>
        <source>The backup task on the server does not belong to this computer.</source>
        <translation>서버의 백업 작업이 이 컴퓨터에 속하지 않습니다.</translation>
    </message>
    <message>
        <source>Choose a folder on the server:</source>
        <translation>서버의 폴더를 선택하십시오:</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <translation>사용자 이름 또는 비밀번호가 올바르지 않습니다.</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>언어:</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>시스템 기본값</translation>
    </message>
    <message>
        <source>Connect anyway</source>
        <translation>계속 연결</translation>
    </message>
    <message>
        <source>Choose the folder on this computer that you want to back up.</source>
        <translation>이 컴퓨터에서 백업할 폴더를 선택하십시오.</translation>
    </message>
    <message>
        <source>The server requires two-step verification for your account. Please turn it on first.</source>
        <translation>서버에서 계정에 2단계 인증을 요구합니다. 먼저 2단계 인증을 켜십시오.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>다음</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>프록시 주소와 포트를 입력하십시오.</translation>
    </message>
    <message>
        <source>Your account is disabled on the server.</source>
        <translation>서버에서 계정이 비활성화되었습니다.</translation>
    </message>
    <message>
        <source>This folder is already backed up by another task.</source>
        <translation>이 폴더는 이미 다른 작업에서 백업하고 있습니다.</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <translation>백업할 수 있는 유효한 폴더가 없습니다.</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked</source>
        <translation>파일 잠금 해제 대기 중</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>프록시 사용 안 함</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server.</source>
        <translation>지원되지 않는 서버 버전입니다. 서버를 업데이트하십시오.</translation>
    </message>
    <message>
        <source>Choose a folder on this computer</source>
        <translation>이 컴퓨터의 폴더 선택</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <translation>이 크기보다 큰 파일은 백업되지 않습니다.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted locally</source>
        <translation>로컬에서 삭제된 파일을 서버에 유지</translation>
    </message>
    <message>
        <source>The network is unavailable. Please check your connection.</source>
        <translation>네트워크를 사용할 수 없습니다. 연결을 확인하십시오.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>상태</translation>
    </message>
    <message>
        <source>Choose source folders</source>
        <translation>원본 폴더 선택</translation>
    </message>
    <message>
        <source>Read-only folders are backed up, but files cannot be restored into them.</source>
        <translation>읽기 전용 폴더는 백업되지만 해당 폴더로 파일을 복원할 수는 없습니다.</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>주소:</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>보안 경고</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>대기 중</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>업데이트 다운로드 중...</translation>
    </message>
    <message>
        <source>Welcome to Skylet Backup</source>
        <translation>Skylet Backup에 오신 것을 환영합니다</translation>
    </message>
    <message>
        <source>Proxy user name:</source>
        <translation>프록시 사용자 이름:</translation>
    </message>
    <message>
        <source>Connect through the FarLink relay</source>
        <translation>FarLink 릴레이를 통해 연결</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>계정</translation>
    </message>
    <message>
        <source>The request could not be processed.</source>
        <translation>요청을 처리할 수 없습니다.</translation>
    </message>
    <message>
        <source>The shared folder does not exist on the server.</source>
        <translation>서버에 해당 공유 폴더가 없습니다.</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <translation>%1 업그레이드에 실패했습니다(오류 코드: %2).</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>요약</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>준비 중</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>옵션</translation>
    </message>
    <message>
        <source>The selected folder on the server is read-only.</source>
        <translation>서버에서 선택한 폴더는 읽기 전용입니다.</translation>
    </message>
    <message>
        <source>Backup stopped with errors</source>
        <translation>오류로 인해 백업이 중지됨</translation>
    </message>
    <message>
        <source>Click here to update Skylet Backup.</source>
        <translation>Skylet Backup을 업데이트하려면 여기를 클릭하십시오.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>읽기 전용</translation>
    </message>
    <message>
        <source>The server administrator does not allow automatic connections.</source>
        <translation>서버 관리자가 자동 연결을 허용하지 않습니다.</translation>
    </message>
    <message>
        <source>The selected folder overlaps a folder that is already backed up.</source>
        <translation>선택한 폴더가 이미 백업되고 있는 폴더와 겹칩니다.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>고급</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <translation>파일 %1개 처리 중...</translation>
    </message>
    <message>
        <source>Excluded paths</source>
        <translation>제외된 경로</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder.</source>
        <translation>공유 폴더에 쓸 권한이 없습니다.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>다음 확장명의 파일은 백업되지 않습니다:</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <translation>인증에 실패했습니다.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>The upgrade failed.</source>
        <translation>업그레이드에 실패했습니다.</translation>
    </message>
    <message>
        <source>Searching for earlier backups on this computer...</source>
        <translation>이 컴퓨터에서 이전 백업을 검색하는 중...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>이전</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>지금 시작</translation>
    </message>
    <message>
        <source>Backing up %1</source>
        <translation>%1 백업 중</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>프록시 서버에 인증이 필요합니다</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>서버</translation>
    </message>
    <message>
        <source>Choose the folder to back up</source>
        <translation>백업할 폴더 선택</translation>
    </message>
    <message>
        <source>A session with the server could not be created.</source>
        <translation>서버와의 세션을 만들 수 없습니다.</translation>
    </message>
    <message>
        <source>Skylet Backup is ready.</source>
        <translation>Skylet Backup 사용 준비가 되었습니다.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>This version of Skylet Backup is no longer supported. Please upgrade.</source>
        <translation>이 버전의 Skylet Backup은 더 이상 지원되지 않습니다. 업그레이드하십시오.</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <translation>제외된 파일 확장명</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>설정 적용 중...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>업데이트 중...</translation>
    </message>
    <message>
        <source>Look for a backup made earlier on this computer</source>
        <translation>이 컴퓨터에서 이전에 만든 백업 찾기</translation>
    </message>
    <message>
        <source>Start Skylet Backup when I log in</source>
        <translation>로그인할 때 Skylet Backup 시작</translation>
    </message>
    <message>
        <source>Check the settings below, then click Done to start the backup.</source>
        <translation>아래 설정을 확인한 후 [완료]를 클릭하여 백업을 시작하십시오.</translation>
    </message>
</context>
</TS>
