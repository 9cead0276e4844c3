<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en_US">
<context>
    <name>AccessControl</name>
    <message>
        <source>%1 was signed out: no input for %2 minutes.</source>
        <translation>%1 로그아웃됨: %2분 동안 입력 없음.</translation>
    </message>
    <message>
        <source>&lt;a href="users"&gt;Users&lt;/a&gt;</source>
        <translation>&lt;a href="users"&gt;사용자&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Nobody can sign in: see the event log</source>
        <translation>아무도 로그인할 수 없음: 이벤트 로그 참조</translation>
    </message>
    <message>
        <source>Nobody signed in · &lt;a href="signin"&gt;Sign in&lt;/a&gt;</source>
        <translation>로그인한 사용자 없음 · &lt;a href="signin"&gt;로그인&lt;/a&gt;</translation>
    </message>
    <message>
        <source>%1 (%2) · &lt;a href="signout"&gt;Sign out&lt;/a&gt;</source>
        <translation>%1 (%2) · &lt;a href="signout"&gt;로그아웃&lt;/a&gt;</translation>
    </message>
    <message>
        <source> · &lt;a href="users"&gt;Users&lt;/a&gt;</source>
        <translation> · &lt;a href="users"&gt;사용자&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>ChangeMyDeviceBtnRemarkNameDialog</name>
    <message>
        <source>Remark Name</source>
        <translation>별칭</translation>
    </message>
    <message>
        <source>Change Name</source>
        <translation>이름 변경</translation>
    </message>
</context>
<context>
    <name>CoderListModel</name>
    <message>
        <source>printing</source>
        <translation>인쇄 중</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>준비</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>정지됨</translation>
    </message>
    <message>
        <source>IP: %1</source>
        <translation>IP: %1</translation>
    </message>
    <message>
        <source>Remark name: %1</source>
        <translation>별칭: %1</translation>
    </message>
    <message>
        <source>State: %1</source>
        <translation>상태: %1</translation>
    </message>
    <message>
        <source>Current file: %1</source>
        <translation>현재 파일: %1</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>알 수 없음</translation>
    </message>
</context>
<context>
    <name>ControlStatusBar</name>
    <message>
        <source>Listening on port %1</source>
        <translation>포트 %1에서 대기 중</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>대기하지 않음</translation>
    </message>
    <message numerus="yes">
        <source>%n coder(s) connected</source>
        <translation>
            <numerusform>프린터 %n대 연결됨</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DeviceListPanel</name>
    <message>
        <source>Filter: name, IP, state</source>
        <translation>필터: 이름, IP, 상태</translation>
    </message>
    <message>
        <source>Compact rows</source>
        <translation>좁은 행</translation>
    </message>
    <message>
        <source>%1 %2: click to show only them</source>
        <translation>%1 %2: 클릭하면 이것만 표시</translation>
    </message>
    <message>
        <source>Remark Name</source>
        <translation>별칭</translation>
    </message>
</context>
<context>
    <name>InterfaceLanguage</name>
    <message>
        <source>[window] language "%1" is none of %2; the desktop's language is used.</source>
        <translation>[window] language "%1"은(는) %2 중 하나가 아닙니다. 데스크톱 언어를 사용합니다.</translation>
    </message>
</context>
<context>
    <name>JournalDock</name>
    <message>
        <source>Journal</source>
        <translation>작업 기록</translation>
    </message>
    <message>
        <source>Show or hide the journal of what was done</source>
        <translation>작업 기록 표시/숨기기</translation>
    </message>
</context>
<context>
    <name>JournalView</name>
    <message>
        <source>%1 (claimed)</source>
        <translation>%1 (자칭)</translation>
    </message>
    <message>
        <source>Coder: IP or name</source>
        <translation>프린터: IP 또는 이름</translation>
    </message>
    <message>
        <source>All users</source>
        <translation>모든 사용자</translation>
    </message>
    <message>
        <source>All actions</source>
        <translation>모든 작업</translation>
    </message>
    <message>
        <source>From</source>
        <translation>시작</translation>
    </message>
    <message>
        <source>to</source>
        <translation>~</translation>
    </message>
</context>
<context>
    <name>KorvexMainWindow</name>
    <message>
        <source>KorvexMainWindow</source>
        <translation>Korvex Control</translation>
    </message>
    <message>
        <source>MainWindow</source>
        <translation>기본</translation>
    </message>
    <message>
        <source>Apply Print Parameter</source>
        <translation>인쇄 설정 적용</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>시작</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>정지</translation>
    </message>
    <message>
        <source>Multi Select</source>
        <translation>다중 선택</translation>
    </message>
    <message>
        <source>Server Port</source>
        <translation>서버 포트</translation>
    </message>
    <message>
        <source>Built</source>
        <translation>포트 열기</translation>
    </message>
    <message>
        <source>File Manage</source>
        <translation>파일 관리</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>New</source>
        <translation>새로 만들기</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>편집</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>장치 목록</translation>
    </message>
    <message>
        <source>File List</source>
        <translation>파일 목록</translation>
    </message>
    <message>
        <source>Print parameters not loaded: %1</source>
        <translation>인쇄 설정을 불러오지 못함: %1</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>경고</translation>
    </message>
    <message>
        <source>You must select a file! </source>
        <translation>파일을 선택하십시오!</translation>
    </message>
    <message>
        <source>%1 was not sent: the pre-flight check found problems.</source>
        <translation>%1을(를) 보내지 않음: 사전 점검에서 문제가 발견됨.</translation>
    </message>
    <message>
        <source>"%1" is not a port: enter a number from 1 to 65535. The server keeps running as it was.</source>
        <translation>"%1"은(는) 포트가 아닙니다. 1~65535 사이의 숫자를 입력하십시오. 서버는 그대로 동작합니다.</translation>
    </message>
</context>
<context>
    <name>MessagePreview</name>
    <message>
        <source>Current message of %1</source>
        <translation>%1의 현재 메시지</translation>
    </message>
    <message>
        <source>Current message of %1 (%2)</source>
        <translation>%1(%2)의 현재 메시지</translation>
    </message>
    <message>
        <source>Current message of coder %1: %2</source>
        <translation>프린터 %1의 현재 메시지: %2</translation>
    </message>
</context>
<context>
    <name>PrintParameterWidget</name>
    <message>
        <source>Print Parameters</source>
        <translation>인쇄 설정</translation>
    </message>
    <message>
        <source>Print Head Offset(mm)</source>
        <translation>헤드 오프셋(mm)</translation>
    </message>
    <message>
        <source>font-weight: bold;</source>
        <translation>font-weight: bold;</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>Trigger Mode</source>
        <translation>트리거 모드</translation>
    </message>
    <message>
        <source>Spray Mode</source>
        <translation>분사 모드</translation>
    </message>
    <message>
        <source>Dpi</source>
        <translation>해상도(dpi)</translation>
    </message>
    <message>
        <source>Singal Interval</source>
        <translation>신호 간격</translation>
    </message>
    <message>
        <source>Print Head Set</source>
        <translation>헤드 설정</translation>
    </message>
    <message>
        <source>Splice</source>
        <translation>이어 붙이기</translation>
    </message>
    <message>
        <source>Single Head Print Direct</source>
        <translation>단일 헤드 방향</translation>
    </message>
    <message>
        <source>Print Direct</source>
        <translation>인쇄 방향</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>정방향</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>역방향</translation>
    </message>
    <message>
        <source>Inverse</source>
        <translation>반전</translation>
    </message>
    <message>
        <source>Rev/Inv</source>
        <translation>역방향/반전</translation>
    </message>
    <message>
        <source>Encoder</source>
        <translation>인코더</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>신호음</translation>
    </message>
    <message>
        <source>Production Line Speed(m/min)</source>
        <translation>라인 속도(m/min)</translation>
    </message>
    <message>
        <source>PPR</source>
        <translation>PPR</translation>
    </message>
    <message>
        <source>Diameter(mm)</source>
        <translation>직경(mm)</translation>
    </message>
    <message>
        <source>Unknown (%1)</source>
        <translation>알 수 없음(%1)</translation>
    </message>
    <message>
        <source>Internal Singal</source>
        <translation>내부 신호</translation>
    </message>
    <message>
        <source>External Singal</source>
        <translation>외부 신호</translation>
    </message>
    <message>
        <source>Left Spary</source>
        <translation>왼쪽 분사</translation>
    </message>
    <message>
        <source>Right Spary</source>
        <translation>오른쪽 분사</translation>
    </message>
    <message>
        <source>Hight Quanlity</source>
        <translation>고품질</translation>
    </message>
    <message>
        <source>Hight Speed</source>
        <translation>고속</translation>
    </message>
    <message>
        <source>150</source>
        <translation>150</translation>
    </message>
    <message>
        <source>200</source>
        <translation>200</translation>
    </message>
    <message>
        <source>300</source>
        <translation>300</translation>
    </message>
    <message>
        <source>600</source>
        <translation>600</translation>
    </message>
    <message>
        <source>Parameter reply ignored: %1 bytes received, a parameter block has %2.</source>
        <translation>매개변수 응답 무시: %1바이트 수신, 매개변수 블록은 %2바이트.</translation>
    </message>
</context>
<context>
    <name>Roles</name>
    <message>
        <source>Operator</source>
        <translation>작업자</translation>
    </message>
    <message>
        <source>Supervisor</source>
        <translation>감독자</translation>
    </message>
    <message>
        <source>Administrator</source>
        <translation>관리자</translation>
    </message>
    <message>
        <source>start</source>
        <translation>시작</translation>
    </message>
    <message>
        <source>stop</source>
        <translation>정지</translation>
    </message>
    <message>
        <source>send messages</source>
        <translation>메시지 전송</translation>
    </message>
    <message>
        <source>send a message despite its pre-flight findings</source>
        <translation>사전 점검 결과를 무시한 메시지 전송</translation>
    </message>
    <message>
        <source>edit messages</source>
        <translation>메시지 편집</translation>
    </message>
    <message>
        <source>change print parameters</source>
        <translation>인쇄 설정 변경</translation>
    </message>
    <message>
        <source>name coders</source>
        <translation>프린터 이름 지정</translation>
    </message>
    <message>
        <source>change the port</source>
        <translation>포트 변경</translation>
    </message>
    <message>
        <source>manage users</source>
        <translation>사용자 관리</translation>
    </message>
    <message>
        <source>change the journal's settings</source>
        <translation>작업 기록 설정 변경</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Sign in to %1.</source>
        <translation>%1: 로그인이 필요합니다.</translation>
    </message>
    <message>
        <source>Only a %1 may %2; %3 is signed in as %4.</source>
        <translation>%2 작업은 %1만 할 수 있습니다. %3 님은 %4(으)로 로그인했습니다.</translation>
    </message>
    <message>
        <source>Users are on already.</source>
        <translation>사용자 기능이 이미 켜져 있습니다.</translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Sign in</source>
        <translation>로그인</translation>
    </message>
    <message>
        <source>User</source>
        <translation>사용자</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>비밀번호</translation>
    </message>
    <message>
        <source>Users are on: sign in to work with the coders.</source>
        <translation>사용자 기능 켜짐: 프린터를 사용하려면 로그인하십시오.</translation>
    </message>
</context>
<context>
    <name>UsersDialog</name>
    <message>
        <source>Switch users on</source>
        <translation>사용자 기능 켜기</translation>
    </message>
    <message>
        <source>Add or change</source>
        <translation>추가 또는 변경</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>제거</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Switch users off</source>
        <translation>사용자 기능 끄기</translation>
    </message>
    <message>
        <source>Users</source>
        <translation>사용자</translation>
    </message>
    <message>
        <source> min</source>
        <translation>분</translation>
    </message>
    <message>
        <source>User</source>
        <translation>사용자</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>역할</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>비밀번호</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>다시 입력</translation>
    </message>
    <message>
        <source>Sign out after</source>
        <translation>로그아웃 시간</translation>
    </message>
    <message>
        <source>without input</source>
        <translation>입력 없음</translation>
    </message>
    <message>
        <source>Whoever is signed in is signed out after %1 minutes without input.</source>
        <translation>로그인한 사용자는 %1분 동안 입력이 없으면 로그아웃됩니다.</translation>
    </message>
    <message>
        <source>Users are off: everyone may do everything, as one operator.</source>
        <translation>사용자 기능 꺼짐: 모두가 한 명의 작업자처럼 모든 작업을 할 수 있습니다.</translation>
    </message>
    <message>
        <source>Users are on. Operators start, stop and send messages; supervisors also edit messages, print parameters and coder names; administrators also the port, the users and the journal.</source>
        <translation>사용자 기능 켜짐. 작업자는 시작, 정지, 메시지 전송을 할 수 있고, 감독자는 메시지, 인쇄 설정, 프린터 이름도 편집할 수 있으며, 관리자는 포트, 사용자, 작업 기록도 관리할 수 있습니다.</translation>
    </message>
    <message>
        <source>Users are off: everyone may do everything. Switching them on creates the first administrator, who is signed in at once.</source>
        <translation>사용자 기능 꺼짐: 모두가 모든 작업을 할 수 있습니다. 켜면 첫 관리자가 만들어지고 바로 로그인됩니다.</translation>
    </message>
    <message>
        <source>The two passwords differ or are empty.</source>
        <translation>두 비밀번호가 다르거나 비어 있습니다.</translation>
    </message>
    <message>
        <source>Users are on; %1 is signed in as administrator.</source>
        <translation>사용자 기능 켜짐. %1 님이 관리자로 로그인했습니다.</translation>
    </message>
    <message>
        <source>%1 is a %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>%1 is removed.</source>
        <translation>%1 제거됨.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>%1; the defaults are used.</source>
        <translation>%1. 기본값을 사용합니다.</translation>
    </message>
</context>
</TS>
