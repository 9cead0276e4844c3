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
    <name>BarcodeSetWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>내용</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Edit the content line by line</source>
        <translation>내용을 줄 단위로 편집</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>유형</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>높이</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>배율</translation>
    </message>
    <message>
        <source>Tenths: 20 is scale 2.0</source>
        <translation>10분의 1 단위: 20은 배율 2.0</translation>
    </message>
    <message>
        <source>Show Text</source>
        <translation>텍스트 표시</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>크기</translation>
    </message>
    <message>
        <source>Data Mode</source>
        <translation>데이터 모드</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>표준</translation>
    </message>
    <message>
        <source>GS1</source>
        <translation>GS1</translation>
    </message>
    <message>
        <source>External Data</source>
        <translation>외부 데이터</translation>
    </message>
    <message>
        <source>EAN14</source>
        <translation>EAN14</translation>
    </message>
    <message>
        <source>EAN13</source>
        <translation>EAN13</translation>
    </message>
    <message>
        <source>QR Code (ISO 18004)</source>
        <translation>QR 코드 (ISO 18004)</translation>
    </message>
    <message>
        <source>Data Matrix (ISO 16022)</source>
        <translation>Data Matrix (ISO 16022)</translation>
    </message>
    <message>
        <source>Code_39</source>
        <translation>Code_39</translation>
    </message>
    <message>
        <source>Code_93</source>
        <translation>Code_93</translation>
    </message>
    <message>
        <source>UPC-A</source>
        <translation>UPC-A</translation>
    </message>
    <message>
        <source>UPC-E</source>
        <translation>UPC-E</translation>
    </message>
    <message>
        <source>Code_128</source>
        <translation>Code_128</translation>
    </message>
    <message>
        <source>ITF14</source>
        <translation>ITF14</translation>
    </message>
    <message>
        <source>PDF417</source>
        <translation>PDF417</translation>
    </message>
    <message>
        <source>Insert field</source>
        <translation>필드 삽입</translation>
    </message>
</context>
<context>
    <name>BatchRecordPdf</name>
    <message>
        <source>the message is too large to draw</source>
        <translation>메시지가 너무 커서 그릴 수 없음</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>%1에 쓸 수 없음(%2)</translation>
    </message>
    <message>
        <source>Batch record of job %1</source>
        <translation>작업 %1의 배치 기록</translation>
    </message>
    <message>
        <source>Batch record: job %1</source>
        <translation>배치 기록: 작업 %1</translation>
    </message>
    <message>
        <source>Product: %1 %2</source>
        <translation>제품: %1 %2</translation>
    </message>
    <message>
        <source>Order: %1    Lot: %2</source>
        <translation>주문: %1    로트: %2</translation>
    </message>
    <message>
        <source>Started: %1 by %2</source>
        <translation>시작: %1, %2</translation>
    </message>
    <message>
        <source>Ended: not yet</source>
        <translation>종료: 아직 안 됨</translation>
    </message>
    <message>
        <source>Ended: %1 by %2</source>
        <translation>종료: %1, %2</translation>
    </message>
    <message>
        <source>Field values</source>
        <translation>항목 값</translation>
    </message>
    <message>
        <source>none</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>템플릿</translation>
    </message>
    <message>
        <source>%1, SHA-256 %2</source>
        <translation>%1, SHA-256 %2</translation>
    </message>
    <message>
        <source>Signature: %1</source>
        <translation>서명: %1</translation>
    </message>
    <message>
        <source>Message sent</source>
        <translation>보낸 메시지</translation>
    </message>
    <message>
        <source>SHA-256 %1</source>
        <translation>SHA-256 %1</translation>
    </message>
    <message>
        <source>(no picture: the message sent is no longer in the folder of jobs)</source>
        <translation>(그림 없음: 보낸 메시지가 작업 폴더에 더 이상 없음)</translation>
    </message>
    <message>
        <source>(no picture: %1)</source>
        <translation>(그림 없음: %1)</translation>
    </message>
    <message>
        <source>Coders</source>
        <translation>프린터</translation>
    </message>
    <message>
        <source>%1 %2: %3 at %4; read back %5</source>
        <translation>%1 %2: %3 (%4), 읽은 값 %5</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>    started %1, stopped %2</source>
        <translation>    시작 %1, 정지 %2</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1을(를) 쓸 수 없음</translation>
    </message>
    <message>
        <source>Code readers</source>
        <translation>코드 리더</translation>
    </message>
    <message>
        <source>%1, reader %2: %3 good, %4 bad, %5 no read, %6 not compared</source>
        <translation>%1, 리더 %2: 정상 %3, 불량 %4, 판독 불가 %5, 비교 안 함 %6</translation>
    </message>
    <message>
        <source>Challenge test of %1, reader %2, %3 at %4 by %5 after %6 reads%7</source>
        <translation>%1 검증 테스트, 리더 %2, %4에 %3, %5, 판독 %6회 후%7</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>통과</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>실패</translation>
    </message>
</context>
<context>
    <name>BatchRecordsDialog</name>
    <message>
        <source>Batch records</source>
        <translation>배치 기록</translation>
    </message>
    <message>
        <source>From</source>
        <translation>시작</translation>
    </message>
    <message>
        <source>yyyy-MM-dd</source>
        <translation>yyyy-MM-dd</translation>
    </message>
    <message>
        <source>To</source>
        <translation>~</translation>
    </message>
    <message>
        <source>Lot</source>
        <translation>로트</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>찾기</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>작업</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>시작</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>제품</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>주문</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>CSV 내보내기...</translation>
    </message>
    <message>
        <source>Export PDF...</source>
        <translation>PDF 내보내기...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message numerus="yes">
        <source>%n jobs</source>
        <translation>
            <numerusform>작업 %n개</numerusform>
        </translation>
    </message>
    <message>
        <source>The batch records cannot be read: %1</source>
        <translation>배치 기록을 읽을 수 없음: %1</translation>
    </message>
    <message>
        <source>Template %1: %2
Message sent: SHA-256 %3</source>
        <translation>템플릿 %1: %2
보낸 메시지: SHA-256 %3</translation>
    </message>
    <message>
        <source>run without an approval</source>
        <translation>승인 없이 실행됨</translation>
    </message>
    <message>
        <source>Export the batch record</source>
        <translation>배치 기록 내보내기</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV 파일 (*.csv);;모든 파일 (*)</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>%1에 쓸 수 없음(%2)</translation>
    </message>
    <message>
        <source>PDF files (*.pdf);;All files (*)</source>
        <translation>PDF 파일 (*.pdf);;모든 파일 (*)</translation>
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
    <message>
        <source>Job: %1</source>
        <translation>작업: %1</translation>
    </message>
    <message>
        <source>Lot: %1</source>
        <translation>로트: %1</translation>
    </message>
    <message>
        <source>Job state: %1</source>
        <translation>작업 상태: %1</translation>
    </message>
    <message>
        <source>Line: %1</source>
        <translation>라인: %1</translation>
    </message>
    <message>
        <source>Not heard of: the last values known</source>
        <translation>연결 끊김: 마지막으로 알려진 값</translation>
    </message>
</context>
<context>
    <name>CommandJournal</name>
    <message>
        <source>none</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>%1 is not saved: the journal cannot be written (%2).</source>
        <translation>%1을(를) 저장하지 않음: 작업 기록을 쓸 수 없음(%2).</translation>
    </message>
    <message>
        <source>%1 was saved, but: %2</source>
        <translation>%1을(를) 저장했지만: %2</translation>
    </message>
    <message>
        <source>The journal cannot be used: %1</source>
        <translation>작업 기록을 사용할 수 없음: %1</translation>
    </message>
    <message>
        <source>Not done: its journal line cannot be written (%1)</source>
        <translation>수행하지 않음: 작업 기록을 쓸 수 없음(%1)</translation>
    </message>
    <message>
        <source>Not in the journal (%1): %2</source>
        <translation>작업 기록에 없음(%1): %2</translation>
    </message>
    <message>
        <source>%1, %2 bytes, SHA-256 %3</source>
        <translation>%1, %2바이트, SHA-256 %3</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>변경 없음</translation>
    </message>
    <message>
        <source>%1, SHA-256 %2 → %3</source>
        <translation>%1, SHA-256 %2 → %3</translation>
    </message>
    <message>
        <source>%1 cut-off line(s) recorded</source>
        <translation>잘린 줄 %1개 기록됨</translation>
    </message>
    <message>
        <source>%1 line(s) that are no journal lines recorded</source>
        <translation>작업 기록 줄이 아닌 줄 %1개 기록됨</translation>
    </message>
    <message>
        <source>line %1 changed after its head named it</source>
        <translation>헤드가 가리킨 뒤 %1번 줄이 변경됨</translation>
    </message>
    <message>
        <source>lines %1 to %2 never named by the head</source>
        <translation>%1~%2번 줄은 헤드에 기록된 적 없음</translation>
    </message>
    <message>
        <source>head %1</source>
        <translation>헤드 %1</translation>
    </message>
    <message>
        <source>first administrator %1</source>
        <translation>첫 관리자 %1</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1분</translation>
    </message>
    <message>
        <source>over %1, broker account %2, user as claimed</source>
        <translation>%1 경유, 브로커 계정 %2, 자칭 사용자</translation>
    </message>
    <message>
        <source>over %1, broker account %2</source>
        <translation>%1 경유, 브로커 계정 %2</translation>
    </message>
</context>
<context>
    <name>CommandText</name>
    <message>
        <source>Apply</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>Print parameters</source>
        <translation>인쇄 설정</translation>
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
        <source>Port</source>
        <translation>포트</translation>
    </message>
    <message>
        <source>Remark name</source>
        <translation>별칭</translation>
    </message>
    <message>
        <source>over MQTT</source>
        <translation>MQTT 경유</translation>
    </message>
    <message>
        <source>claimed user %1</source>
        <translation>자칭 사용자 %1</translation>
    </message>
    <message>
        <source>sent unchanged</source>
        <translation>변경 없이 전송됨</translation>
    </message>
    <message>
        <source>no coder</source>
        <translation>프린터 없음</translation>
    </message>
    <message>
        <source>%1 coders</source>
        <translation>프린터 %1대</translation>
    </message>
    <message>
        <source>%1 sent to %2</source>
        <translation>%1 → %2 전송됨</translation>
    </message>
    <message>
        <source>Print parameters sent to %1 (its own were not reported before)</source>
        <translation>%1에 인쇄 설정 전송됨(이전 설정은 보고되지 않음)</translation>
    </message>
    <message>
        <source>Print parameters of %1: %2</source>
        <translation>%1 인쇄 설정: %2</translation>
    </message>
    <message>
        <source>Port changed from %1 to %2</source>
        <translation>포트 변경: %1 → %2</translation>
    </message>
    <message>
        <source>Remark name of %1 removed (was %2)</source>
        <translation>%1의 별칭 삭제됨(이전: %2)</translation>
    </message>
    <message>
        <source>%1 named %2</source>
        <translation>%1의 이름: %2</translation>
    </message>
    <message>
        <source>%1 renamed from %2 to %3</source>
        <translation>%1 이름 변경: %2 → %3</translation>
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
    <name>DesignHistory</name>
    <message>
        <source>content</source>
        <translation>내용</translation>
    </message>
    <message>
        <source>external data</source>
        <translation>외부 데이터</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>y</source>
        <translation>y</translation>
    </message>
    <message>
        <source>rotation</source>
        <translation>회전</translation>
    </message>
    <message>
        <source>font</source>
        <translation>글꼴</translation>
    </message>
    <message>
        <source>font size</source>
        <translation>글꼴 크기</translation>
    </message>
    <message>
        <source>letter spacing</source>
        <translation>자간</translation>
    </message>
    <message>
        <source>bold</source>
        <translation>굵게</translation>
    </message>
    <message>
        <source>italic</source>
        <translation>기울임꼴</translation>
    </message>
    <message>
        <source>underline</source>
        <translation>밑줄</translation>
    </message>
    <message>
        <source>format</source>
        <translation>형식</translation>
    </message>
    <message>
        <source>valid days</source>
        <translation>유효 일수</translation>
    </message>
    <message>
        <source>counter</source>
        <translation>카운터</translation>
    </message>
    <message>
        <source>base</source>
        <translation>진법</translation>
    </message>
    <message>
        <source>digits</source>
        <translation>자릿수</translation>
    </message>
    <message>
        <source>fill character</source>
        <translation>채움 문자</translation>
    </message>
    <message>
        <source>symbology</source>
        <translation>코드 종류</translation>
    </message>
    <message>
        <source>height</source>
        <translation>높이</translation>
    </message>
    <message>
        <source>scale</source>
        <translation>배율</translation>
    </message>
    <message>
        <source>text line</source>
        <translation>텍스트 줄</translation>
    </message>
    <message>
        <source>size</source>
        <translation>크기</translation>
    </message>
    <message>
        <source>data mode</source>
        <translation>데이터 모드</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>그림</translation>
    </message>
    <message>
        <source>shift table</source>
        <translation>교대표</translation>
    </message>
    <message>
        <source>properties</source>
        <translation>속성</translation>
    </message>
    <message>
        <source>best before of the product</source>
        <translation>제품의 유통기한</translation>
    </message>
</context>
<context>
    <name>DesignTemplate</name>
    <message>
        <source>the catalogue is not open</source>
        <translation>카탈로그가 열려 있지 않음</translation>
    </message>
    <message>
        <source>%1: %2 by %3 (unsigned: users are off), %4</source>
        <translation>%1: %2, %3 (서명 없음: 사용자 꺼짐), %4</translation>
    </message>
    <message>
        <source>%1: %2, signed by %3, %4</source>
        <translation>%1: %2, 서명자 %3, %4</translation>
    </message>
    <message>
        <source>%1: not approved</source>
        <translation>%1: 승인되지 않음</translation>
    </message>
    <message>
        <source>%1: approval unknown (%2)</source>
        <translation>%1: 승인 여부 알 수 없음 (%2)</translation>
    </message>
    <message>
        <source>The template of %1. The version a save writes must be signed before a job may run it.</source>
        <translation>%1의 템플릿입니다. 저장으로 기록되는 버전은 작업에 사용되기 전에 서명되어야 합니다.</translation>
    </message>
</context>
<context>
    <name>DesignUndo</name>
    <message>
        <source>Text</source>
        <translation>텍스트</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>날짜</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>일련번호</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>그림</translation>
    </message>
    <message>
        <source>Barcode</source>
        <translation>바코드</translation>
    </message>
    <message>
        <source>Shift code</source>
        <translation>교대 코드</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>항목</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>%1 추가</translation>
    </message>
    <message numerus="yes">
        <source>Add %n item(s)</source>
        <translation>
            <numerusform>항목 %n개 추가</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n item(s)</source>
        <translation>
            <numerusform>항목 %n개 삭제</numerusform>
        </translation>
    </message>
    <message>
        <source>Move %1</source>
        <translation>%1 이동</translation>
    </message>
    <message numerus="yes">
        <source>Move %n item(s)</source>
        <translation>
            <numerusform>항목 %n개 이동</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>DeviceFolder</name>
    <message>
        <source>no folder for a coder named "%1"</source>
        <translation>"%1"(이)라는 프린터의 폴더 없음</translation>
    </message>
    <message>
        <source>%1 leads through a link; no folder is made</source>
        <translation>%1은(는) 링크를 거칩니다. 폴더를 만들지 않음</translation>
    </message>
    <message>
        <source>cannot create folder %1</source>
        <translation>폴더 %1을(를) 만들 수 없음</translation>
    </message>
    <message>
        <source>unsafe file name "%1" refused</source>
        <translation>안전하지 않은 파일 이름 "%1" 거부됨</translation>
    </message>
    <message>
        <source>file name of %1 bytes refused, at most %2</source>
        <translation>%1바이트 파일 이름 거부됨, 최대 %2</translation>
    </message>
    <message>
        <source>%1 leads through a link; nothing is written</source>
        <translation>%1은(는) 링크를 거칩니다. 아무것도 쓰지 않음</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1에 쓸 수 없음: %2</translation>
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
    <name>EditWidget</name>
    <message>
        <source>Editor</source>
        <translation>편집기</translation>
    </message>
    <message>
        <source>MainWindow</source>
        <translation>기본</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>텍스트</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>날짜</translation>
    </message>
    <message>
        <source>SN</source>
        <translation>일련번호</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>이미지</translation>
    </message>
    <message>
        <source>Barcode</source>
        <translation>바코드</translation>
    </message>
    <message>
        <source>Shiftcode</source>
        <translation>교대 코드</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>실행 취소</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>다시 실행</translation>
    </message>
    <message>
        <source>save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>View</source>
        <translation>보기</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>확대</translation>
    </message>
    <message>
        <source>Zoom in (Ctrl+wheel up)</source>
        <translation>확대(Ctrl+휠 위로)</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>축소</translation>
    </message>
    <message>
        <source>Zoom out (Ctrl+wheel down)</source>
        <translation>축소(Ctrl+휠 아래로)</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>맞춤</translation>
    </message>
    <message>
        <source>Fit the message to the window</source>
        <translation>메시지를 창에 맞춤</translation>
    </message>
    <message>
        <source>1:1</source>
        <translation>1:1</translation>
    </message>
    <message>
        <source>One screen pixel per dot</source>
        <translation>점 하나당 화면 픽셀 하나</translation>
    </message>
    <message>
        <source>Preview at</source>
        <translation>미리 보기 시점</translation>
    </message>
    <message>
        <source>What the message prints at a chosen date, time and shift</source>
        <translation>선택한 날짜, 시간, 교대에 인쇄될 내용</translation>
    </message>
    <message>
        <source>General</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>고급</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>실행 취소: %1</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>취소할 작업 없음</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>다시 실행: %1</translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation>다시 실행할 작업 없음</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>파일 저장</translation>
    </message>
    <message>
        <source>Spray Files (*.spr)</source>
        <translation>Spray 파일 (*.spr)</translation>
    </message>
    <message>
        <source>the new message</source>
        <translation>새 메시지</translation>
    </message>
    <message>
        <source>The message has been changed.
Do you want to save your changes?</source>
        <translation>메시지가 변경되었습니다.
변경 내용을 저장하시겠습니까?</translation>
    </message>
</context>
<context>
    <name>FieldMenu</name>
    <message>
        <source>Insert field</source>
        <translation>필드 삽입</translation>
    </message>
    <message>
        <source>Insert a placeholder that a job fills</source>
        <translation>작업이 채우는 자리표시자 삽입</translation>
    </message>
</context>
<context>
    <name>Fleet</name>
    <message>
        <source>Copy for coder %1 failed: %2</source>
        <translation>프린터 %1용 사본 저장 실패: %2</translation>
    </message>
    <message>
        <source>Listening for coders on port %1</source>
        <translation>포트 %1에서 프린터 연결 대기 중</translation>
    </message>
    <message>
        <source>Cannot listen on port %1: %2. No coder can connect; choose another port and press "Built".</source>
        <translation>포트 %1을(를) 열 수 없음: %2. 프린터가 연결할 수 없습니다. 다른 포트를 고르고 "포트 열기"를 누르십시오.</translation>
    </message>
    <message>
        <source>Cannot listen on port %1: %2.</source>
        <translation>포트 %1을(를) 열 수 없음: %2.</translation>
    </message>
    <message>
        <source>Back to port %1.</source>
        <translation>포트 %1(으)로 돌아감.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2. Nothing was sent.</source>
        <translation>%1을(를) 읽을 수 없음: %2. 아무것도 보내지 않음.</translation>
    </message>
    <message>
        <source>Not a plain file</source>
        <translation>일반 파일이 아님</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB</source>
        <translation>파일이 %1 MiB보다 큼</translation>
    </message>
    <message>
        <source>Cannot send %1: %2. Nothing was sent.</source>
        <translation>%1을(를) 보낼 수 없음: %2. 아무것도 보내지 않음.</translation>
    </message>
    <message>
        <source>Coder %1 was dropped before it took %2.</source>
        <translation>프린터 %1이(가) %2을(를) 받기 전에 끊어짐.</translation>
    </message>
    <message>
        <source>Coder %1 did not report its message after %2 was sent: not verified.</source>
        <translation>%2 전송 후 프린터 %1이(가) 메시지를 보고하지 않음: 확인되지 않음.</translation>
    </message>
    <message>
        <source>A remark name cannot hold control characters. The name stays as it was.</source>
        <translation>별칭에는 제어 문자를 쓸 수 없습니다. 이름은 그대로입니다.</translation>
    </message>
    <message>
        <source>%1: no coder chosen; nothing was sent.</source>
        <translation>%1: 선택한 프린터가 없어 아무것도 보내지 않음.</translation>
    </message>
    <message>
        <source>Not started: %1 Nothing was sent.</source>
        <translation>시작하지 않음: %1 아무것도 보내지 않음.</translation>
    </message>
    <message>
        <source>%1. The port stays as it was.</source>
        <translation>%1. 포트는 그대로입니다.</translation>
    </message>
    <message>
        <source>%1. The name stays as it was.</source>
        <translation>%1. 이름은 그대로입니다.</translation>
    </message>
    <message>
        <source>%1. Nothing was sent.</source>
        <translation>%1. 아무것도 보내지 않음.</translation>
    </message>
    <message>
        <source>Coder %1 was dropped before it took the command.</source>
        <translation>프린터 %1이(가) 명령을 받기 전에 끊어짐.</translation>
    </message>
    <message>
        <source>Coder %1 connected</source>
        <translation>프린터 %1 연결됨</translation>
    </message>
    <message>
        <source>Coder %1 disconnected</source>
        <translation>프린터 %1 연결 끊김</translation>
    </message>
    <message>
        <source>Current file of coder %1 not stored: %2</source>
        <translation>프린터 %1의 현재 파일을 저장하지 못함: %2</translation>
    </message>
    <message>
        <source>Coder %1 holds another message than was sent: sent %2 (SHA-256 %3), holds %4 (SHA-256 %5).</source>
        <translation>프린터 %1의 메시지가 보낸 것과 다름: 보냄 %2(SHA-256 %3), 보유 %4(SHA-256 %5).</translation>
    </message>
</context>
<context>
    <name>GeneralSetWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>회전</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>글꼴</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>글꼴 크기</translation>
    </message>
    <message>
        <source>Text Space</source>
        <translation>자간</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>I</source>
        <translation>I</translation>
    </message>
    <message>
        <source>_</source>
        <translation>_</translation>
    </message>
</context>
<context>
    <name>HelpButton</name>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Operator's Manual</source>
        <translation>운영자 설명서</translation>
    </message>
    <message>
        <source>The operator's manual is not installed (looked in %1).</source>
        <translation>운영자 설명서가 설치되어 있지 않습니다 (%1에서 찾음).</translation>
    </message>
    <message>
        <source>The operator's manual could not be opened: no browser took %1.</source>
        <translation>운영자 설명서를 열 수 없습니다: %1을(를) 연 브라우저가 없습니다.</translation>
    </message>
</context>
<context>
    <name>ImageSetWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Select Image</source>
        <translation>이미지 선택</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>너비</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>높이</translation>
    </message>
    <message>
        <source>Images (%1)</source>
        <translation>이미지 (%1)</translation>
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
    <name>JobScan</name>
    <message>
        <source>Scan the packaging on the line: a job of %1 starts only when it shows GTIN %2.</source>
        <translation>라인의 포장을 스캔하십시오: 포장에 GTIN %2가 있어야 %1 작업이 시작됩니다.</translation>
    </message>
    <message>
        <source>%1 (character %2)</source>
        <translation>%1 (%2번째 문자)</translation>
    </message>
    <message>
        <source>The scan holds no GTIN (01): %1</source>
        <translation>스캔에 GTIN(01)이 없습니다: %1</translation>
    </message>
    <message>
        <source>No product has the GTIN %1.</source>
        <translation>GTIN %1인 제품이 없습니다.</translation>
    </message>
    <message>
        <source>Lot %1 from the scan.</source>
        <translation>스캔에서 로트 %1.</translation>
    </message>
    <message>
        <source>Production date %1 from the scan.</source>
        <translation>스캔에서 생산일 %1.</translation>
    </message>
    <message>
        <source>the best-before date (15) %1</source>
        <translation>품질 유지 기한(15) %1</translation>
    </message>
    <message>
        <source>the expiry date (17) %1</source>
        <translation>유효 기한(17) %1</translation>
    </message>
    <message>
        <source>Check the packaging: %1 is not %2, which the shelf life of %3 (%4) gives.</source>
        <translation>포장을 확인하십시오: %1은(는) %3의 유통 기한(%4)에 따른 %2이(가) 아닙니다.</translation>
    </message>
    <message>
        <source>Packaging confirmed: GTIN %1.</source>
        <translation>포장 확인됨: GTIN %1.</translation>
    </message>
    <message>
        <source>The packaging scanned (GTIN %1) is not that of %2 (GTIN %3): the job does not start.</source>
        <translation>스캔한 포장(GTIN %1)은 %2(GTIN %3)의 포장이 아닙니다: 작업이 시작되지 않습니다.</translation>
    </message>
</context>
<context>
    <name>JobsPanel</name>
    <message>
        <source>Jobs</source>
        <translation>작업</translation>
    </message>
    <message>
        <source>Search products by code, GTIN or name</source>
        <translation>코드, GTIN 또는 이름으로 제품 검색</translation>
    </message>
    <message>
        <source>GTIN</source>
        <translation>GTIN</translation>
    </message>
    <message>
        <source>Type or scan the GTIN, then Enter</source>
        <translation>GTIN을 입력하거나 스캔한 후 Enter</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>제품</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>주문</translation>
    </message>
    <message>
        <source>Lot</source>
        <translation>로트</translation>
    </message>
    <message>
        <source>Start job</source>
        <translation>작업 시작</translation>
    </message>
    <message>
        <source>Start printing</source>
        <translation>인쇄 시작</translation>
    </message>
    <message>
        <source>End job</source>
        <translation>작업 종료</translation>
    </message>
    <message>
        <source>This window runs no jobs: it has no catalogue.</source>
        <translation>이 창에서는 작업을 실행할 수 없습니다: 카탈로그가 없습니다.</translation>
    </message>
    <message>
        <source>The catalogue (%1) is not open; no job starts until it is.</source>
        <translation>카탈로그(%1)가 열려 있지 않습니다. 열릴 때까지 작업을 시작할 수 없습니다.</translation>
    </message>
    <message>
        <source>Products cannot be listed: %1</source>
        <translation>제품 목록을 표시할 수 없음: %1</translation>
    </message>
    <message>
        <source>none chosen</source>
        <translation>선택 안 됨</translation>
    </message>
    <message>
        <source>YYYY-MM-DD</source>
        <translation>YYYY-MM-DD</translation>
    </message>
    <message>
        <source>Coders: none checked in the device list</source>
        <translation>프린터: 장치 목록에서 선택되지 않음</translation>
    </message>
    <message>
        <source>Coders: %1</source>
        <translation>프린터: %1</translation>
    </message>
    <message>
        <source>Not allowed for this product: %1</source>
        <translation>이 제품에 허용되지 않음: %1</translation>
    </message>
    <message>
        <source>Choose a product first.</source>
        <translation>먼저 제품을 선택하십시오.</translation>
    </message>
    <message>
        <source>Check the coders of the job in the device list first.</source>
        <translation>먼저 장치 목록에서 작업할 프린터를 선택하십시오.</translation>
    </message>
    <message>
        <source>The job was not started: %1</source>
        <translation>작업을 시작하지 못함: %1</translation>
    </message>
    <message>
        <source>Job %1 started: %2, order %3, lot %4.</source>
        <translation>작업 %1 시작: %2, 주문 %3, 로트 %4.</translation>
    </message>
    <message>
        <source>No job is running in this view.</source>
        <translation>이 화면에서 실행 중인 작업이 없습니다.</translation>
    </message>
    <message>
        <source>Not started: no coder of job %1 is verified.</source>
        <translation>시작하지 않음: 작업 %1의 프린터 중 확인된 것이 없습니다.</translation>
    </message>
    <message>
        <source>Job %1 was not ended: %2</source>
        <translation>작업 %1을(를) 종료하지 못함: %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1(%2)</translation>
    </message>
    <message>
        <source>Job %1 ended.</source>
        <translation>작업 %1 종료.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>a coder gone</source>
        <translation>연결 끊긴 프린터</translation>
    </message>
    <message>
        <source>not in the job</source>
        <translation>작업에 없음</translation>
    </message>
    <message>
        <source>sending</source>
        <translation>전송 중</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>확인됨</translation>
    </message>
    <message>
        <source>running</source>
        <translation>실행 중</translation>
    </message>
    <message>
        <source>mismatch</source>
        <translation>불일치</translation>
    </message>
    <message>
        <source>not verified</source>
        <translation>확인되지 않음</translation>
    </message>
    <message>
        <source>Packaging</source>
        <translation>포장</translation>
    </message>
    <message>
        <source>Scan the packaging on the line, then Enter</source>
        <translation>라인의 포장을 스캔한 후 Enter</translation>
    </message>
    <message numerus="yes">
        <source>%n batch-record write(s) wait for the catalogue; they are written in order when it is back.</source>
        <translation>
            <numerusform>배치 기록 쓰기 %n건이 카탈로그를 기다립니다. 카탈로그가 돌아오면 순서대로 기록됩니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>The job was not started: no line took it; the event log says why.</source>
        <translation>작업이 시작되지 않음: 어떤 라인도 받아들이지 않음; 이유는 이벤트 로그에 있음.</translation>
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
        <source>message sent</source>
        <translation>메시지 전송</translation>
    </message>
    <message>
        <source>print parameters</source>
        <translation>인쇄 설정</translation>
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
        <source>port</source>
        <translation>포트</translation>
    </message>
    <message>
        <source>remark name</source>
        <translation>별칭</translation>
    </message>
    <message>
        <source>message saved</source>
        <translation>메시지 저장</translation>
    </message>
    <message>
        <source>command failed</source>
        <translation>명령 실패</translation>
    </message>
    <message>
        <source>journal recovered</source>
        <translation>작업 기록 복구</translation>
    </message>
    <message>
        <source>sign-in</source>
        <translation>로그인</translation>
    </message>
    <message>
        <source>sign-in refused</source>
        <translation>로그인 거부</translation>
    </message>
    <message>
        <source>sign-out</source>
        <translation>로그아웃</translation>
    </message>
    <message>
        <source>users on</source>
        <translation>사용자 기능 켜짐</translation>
    </message>
    <message>
        <source>users off</source>
        <translation>사용자 기능 꺼짐</translation>
    </message>
    <message>
        <source>user set</source>
        <translation>사용자 설정</translation>
    </message>
    <message>
        <source>user removed</source>
        <translation>사용자 제거</translation>
    </message>
    <message>
        <source>idle time</source>
        <translation>유휴 시간</translation>
    </message>
    <message>
        <source>administrator created</source>
        <translation>관리자 생성</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>시간</translation>
    </message>
    <message>
        <source>User</source>
        <translation>사용자</translation>
    </message>
    <message>
        <source>PC</source>
        <translation>PC</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>작업</translation>
    </message>
    <message>
        <source>Coders</source>
        <translation>프린터</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>세부 정보</translation>
    </message>
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
    <message>
        <source>Jobs</source>
        <translation>작업</translation>
    </message>
    <message>
        <source>Show or hide the jobs view</source>
        <translation>작업 보기 표시 또는 숨기기</translation>
    </message>
</context>
<context>
    <name>MessageFile</name>
    <message>
        <source>Can not find the extern data file!</source>
        <translation>외부 데이터 파일을 찾을 수 없습니다!</translation>
    </message>
    <message>
        <source>The columns in the file don't match the extern items you create!</source>
        <translation>파일의 열이 만든 외부 데이터 항목과 맞지 않습니다!</translation>
    </message>
    <message>
        <source>Unknown Error!</source>
        <translation>알 수 없는 오류!</translation>
    </message>
    <message>
        <source>The extern data file is a device or a pipe, not a plain file!</source>
        <translation>외부 데이터 파일이 일반 파일이 아니라 장치나 파이프입니다!</translation>
    </message>
    <message>
        <source>The extern data file is larger than %1 MiB!</source>
        <translation>외부 데이터 파일이 %1 MiB보다 큽니다!</translation>
    </message>
    <message>
        <source>The extern data file has a line longer than %1 bytes!</source>
        <translation>외부 데이터 파일에 %1바이트보다 긴 줄이 있습니다!</translation>
    </message>
    <message>
        <source>Qt Drawing</source>
        <translation>메시지 파일</translation>
    </message>
    <message>
        <source>t</source>
        <translation>데이터 파일</translation>
    </message>
    <message>
        <source>Cannot write file %1:
%2.</source>
        <translation>파일 %1에 쓸 수 없음:
%2.</translation>
    </message>
    <message>
        <source>Cannot read print file %1:
%2.</source>
        <translation>인쇄 파일 %1을(를) 읽을 수 없음:
%2.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB</source>
        <translation>파일이 %1 MiB보다 큼</translation>
    </message>
    <message>
        <source>Not a plain file</source>
        <translation>일반 파일이 아님</translation>
    </message>
    <message>
        <source>File %1 is empty.</source>
        <translation>파일 %1이(가) 비어 있습니다.</translation>
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
    <message>
        <source>%1, read back %2</source>
        <translation>%1, %2에 확인됨</translation>
    </message>
    <message>
        <source>%1, read back %2: not the message sent
sent SHA-256 %3
held SHA-256 %4</source>
        <translation>%1, %2에 확인됨: 보낸 메시지가 아님
보낸 SHA-256 %3
프린터의 SHA-256 %4</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>알 수 없음</translation>
    </message>
    <message>
        <source>%1: no read-back since %2 (sent SHA-256 %3)</source>
        <translation>%1: %2 이후 확인 응답 없음(보낸 SHA-256 %3)</translation>
    </message>
    <message>
        <source>%1, waiting for the read-back</source>
        <translation>%1, 확인 응답 대기 중</translation>
    </message>
</context>
<context>
    <name>MyTextEditor</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>Preflight</name>
    <message>
        <source>left</source>
        <translation>왼쪽</translation>
    </message>
    <message>
        <source>top</source>
        <translation>위쪽</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>아래쪽</translation>
    </message>
    <message>
        <source>Reaches past the %1 edge of the print area: that part is not printed.</source>
        <translation>인쇄 영역의 %1 가장자리를 벗어남: 그 부분은 인쇄되지 않음.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> 및 </translation>
    </message>
    <message>
        <source>Lies on the band of head %1, which the head mask leaves out: that part is not printed.</source>
        <translation>헤드 마스크에서 제외된 헤드 %1의 영역에 있음: 그 부분은 인쇄되지 않음.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>The content is more than the symbol holds at its size: %1</source>
        <translation>내용이 이 크기의 코드에 담을 수 있는 양보다 많음: %1</translation>
    </message>
    <message>
        <source>The GS1 data is refused: %1</source>
        <translation>GS1 데이터 거부됨: %1</translation>
    </message>
    <message>
        <source>The content cannot be encoded: %1</source>
        <translation>내용을 인코딩할 수 없음: %1</translation>
    </message>
    <message>
        <source>A module is %1 dots wide, not a whole number of dots: the coder prints bars of uneven width. Choose a scale whose module is whole dots.</source>
        <translation>모듈 너비가 %1점으로 정수가 아님: 프린터가 너비가 고르지 않은 막대를 인쇄합니다. 모듈이 정수 점이 되는 배율을 고르십시오.</translation>
    </message>
    <message>
        <source>The font "%1" is neither installed nor in the fonts folder.</source>
        <translation>글꼴 "%1"이(가) 설치되지 않았고 글꼴 폴더에도 없음.</translation>
    </message>
    <message>
        <source>No picture was chosen: the placeholder would print.</source>
        <translation>그림을 선택하지 않음: 자리 표시자가 인쇄됩니다.</translation>
    </message>
    <message>
        <source>The picture %1 is not in the picture folder.</source>
        <translation>그림 %1이(가) 그림 폴더에 없음.</translation>
    </message>
    <message>
        <source>Text "%1"</source>
        <translation>텍스트 "%1"</translation>
    </message>
    <message>
        <source>Date "%1"</source>
        <translation>날짜 "%1"</translation>
    </message>
    <message>
        <source>Serial number "%1"</source>
        <translation>일련번호 "%1"</translation>
    </message>
    <message>
        <source>Shift code "%1"</source>
        <translation>교대 코드 "%1"</translation>
    </message>
    <message>
        <source>Barcode "%1"</source>
        <translation>바코드 "%1"</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>그림</translation>
    </message>
    <message>
        <source>Picture %1</source>
        <translation>그림 %1</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>메시지</translation>
    </message>
    <message>
        <source>Data file</source>
        <translation>데이터 파일</translation>
    </message>
    <message>
        <source>The data file "%1" is not there: the data fields print nothing.</source>
        <translation>데이터 파일 "%1"이(가) 없음: 데이터 필드는 아무것도 인쇄하지 않습니다.</translation>
    </message>
    <message>
        <source>{{%1}} is neither a standard placeholder nor a field of the product: a job of it cannot fill it.</source>
        <translation>{{%1}}은(는) 표준 자리표시자도 제품의 필드도 아닙니다: 작업이 채울 수 없습니다.</translation>
    </message>
    <message>
        <source>{{%1}} is no standard placeholder: only a product with a field of that name can fill it.</source>
        <translation>{{%1}}은(는) 표준 자리표시자가 아닙니다: 그 이름의 필드가 있는 제품만 채울 수 있습니다.</translation>
    </message>
    <message>
        <source>The field %1 ({{%2}}): %3.</source>
        <translation>필드 %1 ({{%2}}): %3.</translation>
    </message>
    <message>
        <source>Filled with %1: %2</source>
        <translation>%1(으)로 채우면: %2</translation>
    </message>
</context>
<context>
    <name>PreflightDialog</name>
    <message>
        <source>Pre-flight check</source>
        <translation>사전 점검</translation>
    </message>
    <message>
        <source>1 problem</source>
        <translation>문제 1건</translation>
    </message>
    <message>
        <source>%1 problems</source>
        <translation>문제 %1건</translation>
    </message>
    <message>
        <source>The pre-flight check found %1 in %2 before it is sent:</source>
        <translation>전송 전 사전 점검에서 %2에 %1이(가) 발견됨:</translation>
    </message>
    <message>
        <source>The pre-flight check found %1 in %2 before it is saved:</source>
        <translation>저장 전 사전 점검에서 %2에 %1이(가) 발견됨:</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>항목</translation>
    </message>
    <message>
        <source>Finding</source>
        <translation>점검 결과</translation>
    </message>
    <message>
        <source>Send anyway</source>
        <translation>그래도 보내기</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>그래도 저장</translation>
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
    <name>PrintPreviewDialog</name>
    <message>
        <source>Preview at</source>
        <translation>미리 보기 시점</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>교대</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>개수</translation>
    </message>
    <message>
        <source>as now</source>
        <translation>현재대로</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>지금</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>새로 고침</translation>
    </message>
    <message>
        <source>Copy the designer's message again</source>
        <translation>디자이너의 메시지를 다시 가져오기</translation>
    </message>
    <message>
        <source>Next changes of the printed text</source>
        <translation>인쇄 텍스트의 다음 변경</translation>
    </message>
    <message>
        <source>When</source>
        <translation>시점</translation>
    </message>
    <message>
        <source>Boundary</source>
        <translation>경계</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>필드</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>이전</translation>
    </message>
    <message>
        <source>After</source>
        <translation>이후</translation>
    </message>
    <message>
        <source>(by the time)</source>
        <translation>(시간 기준)</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%2부터 %1</translation>
    </message>
    <message>
        <source>Changes every hour: %1</source>
        <translation>매시간 바뀜: %1</translation>
    </message>
    <message>
        <source>Changes every minute: %1</source>
        <translation>매분 바뀜: %1</translation>
    </message>
    <message>
        <source>Changes every second: %1</source>
        <translation>매초 바뀜: %1</translation>
    </message>
    <message numerus="yes">
        <source>Nothing in the message changes with the date within %n year(s).</source>
        <translation>
            <numerusform>%n년 안에는 날짜에 따라 바뀌는 내용이 없습니다.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PrintTimeline</name>
    <message>
        <source>Date %1 (%2)</source>
        <translation>날짜 %1 (%2)</translation>
    </message>
    <message>
        <source>Shift code %1</source>
        <translation>교대 코드 %1</translation>
    </message>
    <message>
        <source>midnight</source>
        <translation>자정</translation>
    </message>
    <message>
        <source>month end</source>
        <translation>월말</translation>
    </message>
    <message>
        <source>29 February</source>
        <translation>2월 29일</translation>
    </message>
    <message>
        <source>shift change</source>
        <translation>교대 변경</translation>
    </message>
</context>
<context>
    <name>ProductsDialog</name>
    <message>
        <source>Products</source>
        <translation>제품</translation>
    </message>
    <message>
        <source>Search code, GTIN or name</source>
        <translation>코드, GTIN 또는 이름 검색</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>코드</translation>
    </message>
    <message>
        <source>GTIN</source>
        <translation>GTIN</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>이전</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>다음</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>템플릿</translation>
    </message>
    <message>
        <source>Approve...</source>
        <translation>승인...</translation>
    </message>
    <message>
        <source>Shelf life</source>
        <translation>유통기한</translation>
    </message>
    <message>
        <source>30 days, 18 months, 18 months, end of month</source>
        <translation>30 days, 18 months, 18 months, end of month</translation>
    </message>
    <message>
        <source>Coders</source>
        <translation>프린터</translation>
    </message>
    <message>
        <source>Line *; 127.0.0.*</source>
        <translation>Line *; 127.0.0.*</translation>
    </message>
    <message>
        <source>Job fields</source>
        <translation>작업 항목</translation>
    </message>
    <message>
        <source>[{"name":"lot","label":"Lot","kind":"text","pattern":"[A-Z0-9]{4,10}","required":true}]</source>
        <translation>[{"name":"lot","label":"Lot","kind":"text","pattern":"[A-Z0-9]{4,10}","required":true}]</translation>
    </message>
    <message>
        <source>New</source>
        <translation>새로 만들기</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Import CSV...</source>
        <translation>CSV 가져오기...</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>CSV 내보내기...</translation>
    </message>
    <message>
        <source>Batch records...</source>
        <translation>배치 기록...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV 파일 (*.csv);;모든 파일 (*)</translation>
    </message>
    <message>
        <source>The products cannot be read: %1</source>
        <translation>제품을 읽을 수 없음: %1</translation>
    </message>
    <message>
        <source>no products</source>
        <translation>제품 없음</translation>
    </message>
    <message>
        <source>%1-%2 of %3</source>
        <translation>%1-%2 / %3</translation>
    </message>
    <message>
        <source>new product</source>
        <translation>새 제품</translation>
    </message>
    <message>
        <source>saved by %1, %2 (revision %3)</source>
        <translation>%1 님이 저장, %2 (개정 %3)</translation>
    </message>
    <message>
        <source>check digit good: %1</source>
        <translation>검사 숫자 정상: %1</translation>
    </message>
    <message>
        <source>%1 is not saved: %2</source>
        <translation>%1을(를) 저장하지 않음: %2</translation>
    </message>
    <message>
        <source>%1 saved.</source>
        <translation>%1 저장됨.</translation>
    </message>
    <message>
        <source>Approve a template</source>
        <translation>템플릿 승인</translation>
    </message>
    <message>
        <source>%1 approved.</source>
        <translation>%1 승인됨.</translation>
    </message>
    <message>
        <source>Import products</source>
        <translation>제품 가져오기</translation>
    </message>
    <message>
        <source>Nothing imported: %1</source>
        <translation>가져온 항목 없음: %1</translation>
    </message>
    <message>
        <source>%1 products imported, %2 rows refused.</source>
        <translation>제품 %1개 가져옴, %2행 거부됨.</translation>
    </message>
    <message>
        <source>line %1 (%2): %3</source>
        <translation>%1행 (%2): %3</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>외 %1개</translation>
    </message>
    <message>
        <source>Columns ignored: %1</source>
        <translation>무시된 열: %1</translation>
    </message>
    <message>
        <source>Export products</source>
        <translation>제품 내보내기</translation>
    </message>
    <message>
        <source>Not exported: %1</source>
        <translation>내보내지 않음: %1</translation>
    </message>
    <message>
        <source>Products exported to %1.</source>
        <translation>제품을 %1(으)로 내보냄.</translation>
    </message>
    <message>
        <source>Confirming scan of the packaging required</source>
        <translation>포장 확인 스캔 필요</translation>
    </message>
    <message>
        <source>A job of this product starts only after a scan of the packaging on the line shows the product's GTIN.</source>
        <translation>라인의 포장 스캔에서 이 제품의 GTIN이 확인된 후에만 작업이 시작됩니다.</translation>
    </message>
</context>
<context>
    <name>ProductsLink</name>
    <message>
        <source>Products</source>
        <translation>제품</translation>
    </message>
    <message>
        <source>Products, template approvals and batch records</source>
        <translation>제품, 템플릿 승인, 배치 기록</translation>
    </message>
    <message>
        <source>The catalogue is not open (%1); it is tried again.</source>
        <translation>카탈로그가 열려 있지 않음(%1). 다시 시도합니다.</translation>
    </message>
    <message>
        <source>the catalogue is not open</source>
        <translation>카탈로그가 열려 있지 않음</translation>
    </message>
    <message>
        <source>The save of %1 is not in the catalogue (%2): anyone may sign this version.</source>
        <translation>%1의 저장이 카탈로그에 기록되지 않음(%2): 누구나 이 버전에 서명할 수 있습니다.</translation>
    </message>
</context>
<context>
    <name>ReaderAlarmBar</name>
    <message>
        <source>Sign in as a Supervisor to handle the code readers.</source>
        <translation>코드 리더를 다루려면 Supervisor로 로그인하십시오.</translation>
    </message>
    <message>
        <source>Only a Supervisor or Administrator may acknowledge a reader alarm or start a challenge test; %1 is signed in as %2.</source>
        <translation>리더 경보 확인이나 검증 테스트 시작은 Supervisor 또는 Administrator만 할 수 있습니다. %1은(는) %2(으)로 로그인했습니다.</translation>
    </message>
    <message>
        <source>Reader alarm: %1</source>
        <translation>리더 경보: %1</translation>
    </message>
    <message>
        <source>Acknowledge</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>%1: challenge test running; let up to %2 wrong or missing codes pass</source>
        <translation>%1: 검증 테스트 진행 중; 잘못되었거나 없는 코드를 최대 %2개 통과시키십시오</translation>
    </message>
    <message>
        <source>%1: No passed challenge test today</source>
        <translation>%1: 오늘 통과한 검증 테스트 없음</translation>
    </message>
    <message>
        <source>Start challenge test</source>
        <translation>검증 테스트 시작</translation>
    </message>
</context>
<context>
    <name>RemoteJobs</name>
    <message>
        <source>%1 on %2</source>
        <translation>%2의 %1</translation>
    </message>
    <message>
        <source>a coder gone</source>
        <translation>연결 끊긴 프린터</translation>
    </message>
    <message>
        <source>%1: its line is not heard of</source>
        <translation>%1: 해당 라인과 연결이 끊김</translation>
    </message>
    <message>
        <source>%1: sent, its line has not taken it up</source>
        <translation>%1: 전송됨, 라인이 아직 받아들이지 않음</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Lot %1: job %2 runs on this PC's coders; sent to their lines for %3.</source>
        <translation>로트 %1: 작업 %2이(가) 이 PC의 코더에서 실행됨; %3을(를) 위해 해당 라인으로 전송됨.</translation>
    </message>
    <message>
        <source>Lot %1: no coder of this PC; sent to their lines for %2.</source>
        <translation>로트 %1: 이 PC의 코더 없음; %2을(를) 위해 해당 라인으로 전송됨.</translation>
    </message>
    <message>
        <source>Not started: no line says a coder of the job is verified.</source>
        <translation>시작되지 않음: 작업의 코더가 검증되었다고 알려온 라인이 없음.</translation>
    </message>
    <message>
        <source>The job of the lines' coders was not ended: %1</source>
        <translation>라인 코더의 작업이 종료되지 않음: %1</translation>
    </message>
</context>
<context>
    <name>RemoteLines</name>
    <message>
        <source>%1 for %2 on %3 not sent: %4</source>
        <translation>%3의 %2에 대한 %1 전송 안 됨: %4</translation>
    </message>
    <message>
        <source>its line is not heard of</source>
        <translation>해당 라인과 연결이 끊김</translation>
    </message>
    <message>
        <source>this window follows no line</source>
        <translation>이 창은 어떤 라인도 따르지 않음</translation>
    </message>
    <message>
        <source>%1 sent to %2 on %3</source>
        <translation>%3의 %2(으)로 %1 전송됨</translation>
    </message>
    <message>
        <source>%1 for %2 on %3: %4</source>
        <translation>%3의 %2에 대한 %1: %4</translation>
    </message>
    <message>
        <source>Job start</source>
        <translation>작업 시작</translation>
    </message>
    <message>
        <source>Job end</source>
        <translation>작업 종료</translation>
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
    <message>
        <source>run jobs</source>
        <translation>작업 실행</translation>
    </message>
    <message>
        <source>edit products</source>
        <translation>제품 편집</translation>
    </message>
    <message>
        <source>sign templates</source>
        <translation>템플릿 서명</translation>
    </message>
</context>
<context>
    <name>SerialNumSetWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Counter ID</source>
        <translation>카운터 번호</translation>
    </message>
    <message>
        <source>System Base</source>
        <translation>진법</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>16</source>
        <translation>16</translation>
    </message>
    <message>
        <source>34</source>
        <translation>34</translation>
    </message>
    <message>
        <source>Digits</source>
        <translation>자릿수</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>접두사</translation>
    </message>
    <message>
        <source>Counter%1</source>
        <translation>카운터 %1</translation>
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
    <message>
        <source>send messages outside a job</source>
        <translation>작업 외 메시지 전송</translation>
    </message>
</context>
<context>
    <name>ShiftCodeSet</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Shift code</source>
        <translation>교대 코드</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>추가</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>새로 고침</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>내용</translation>
    </message>
    <message>
        <source>Time (24 hours)</source>
        <translation>시간(24시간제)</translation>
    </message>
    <message>
        <source>HH:mm</source>
        <translation>HH:mm</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>코드</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>시간</translation>
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
    <name>SignatureDialog</name>
    <message>
        <source>Approve a template</source>
        <translation>템플릿 승인</translation>
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
        <source>Meaning</source>
        <translation>서명 의미</translation>
    </message>
    <message>
        <source>You sign %1, SHA-256 %2: give your name and password again.</source>
        <translation>%1, SHA-256 %2에 서명합니다. 이름과 비밀번호를 다시 입력하십시오.</translation>
    </message>
    <message>
        <source>Users are off: the approval of %1, SHA-256 %2, is recorded under the system login and marked unsigned.</source>
        <translation>사용자 기능 꺼짐: %1, SHA-256 %2의 승인은 시스템 로그인으로 기록되고 서명 없음으로 표시됩니다.</translation>
    </message>
</context>
<context>
    <name>Station</name>
    <message>
        <source>Cannot create the folder %1 in %2.</source>
        <translation>%2에 폴더 %1을(를) 만들 수 없음.</translation>
    </message>
    <message>
        <source>%1 was not sent: it does not load as a message (%2).</source>
        <translation>%1을(를) 보내지 않음: 메시지로 열 수 없음(%2).</translation>
    </message>
    <message>
        <source>%1 was not sent: the pre-flight check found: %2</source>
        <translation>%1을(를) 보내지 않음: 사전 점검 결과: %2</translation>
    </message>
    <message>
        <source>%1 was not sent despite its findings: %2</source>
        <translation>점검 결과를 무시했지만 %1을(를) 보내지 못함: %2</translation>
    </message>
</context>
<context>
    <name>StationSettings</name>
    <message>
        <source>not a plain file</source>
        <translation>일반 파일이 아님</translation>
    </message>
    <message>
        <source>larger than %1 KiB</source>
        <translation>%1 KiB보다 큼</translation>
    </message>
    <message>
        <source>no such settings file</source>
        <translation>설정 파일이 없음</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>읽을 수 없음(%1)</translation>
    </message>
    <message>
        <source>[server] port must be a number from 1 to 65535, not "%1"</source>
        <translation>[server] port는 "%1"이(가) 아니라 1~65535 사이의 숫자여야 합니다</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <translation>%1을(를) 읽을 수 없음(%2)</translation>
    </message>
    <message>
        <source>%1 is a link; change the file it names</source>
        <translation>%1은(는) 링크입니다. 링크가 가리키는 파일을 바꾸십시오</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>%1에 쓸 수 없음(%2)</translation>
    </message>
    <message>
        <source>The port holds until the program ends: %1.</source>
        <translation>포트는 프로그램을 닫을 때까지만 유지됩니다: %1.</translation>
    </message>
    <message>
        <source>The name holds until the program ends: %1.</source>
        <translation>이름은 프로그램을 닫을 때까지만 유지됩니다: %1.</translation>
    </message>
    <message>
        <source>The remark names of this account are used, but not yet kept in the settings: %1.</source>
        <translation>이 계정의 별칭을 사용하지만 아직 설정에 저장되지 않았습니다: %1.</translation>
    </message>
    <message>
        <source>[jobs] enabled must be true or false, not "%1"</source>
        <translation>[jobs] enabled는 true 또는 false여야 합니다("%1" 아님)</translation>
    </message>
</context>
<context>
    <name>TemplateSamples</name>
    <message>
        <source>Lot</source>
        <translation>로트</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>주문</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>제품</translation>
    </message>
    <message>
        <source>GTIN</source>
        <translation>GTIN</translation>
    </message>
    <message>
        <source>Production date</source>
        <translation>생산일</translation>
    </message>
    <message>
        <source>Best before</source>
        <translation>유통기한</translation>
    </message>
    <message>
        <source>no sample could be made that matches its pattern %1, so it is checked with "A1"</source>
        <translation>패턴 %1에 맞는 샘플을 만들 수 없어 "A1"로 검사합니다</translation>
    </message>
</context>
<context>
    <name>TemplateSigning</name>
    <message>
        <source>Approved for production</source>
        <translation>생산 승인</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <translation>%1을(를) 읽을 수 없음(%2)</translation>
    </message>
    <message>
        <source>A signature needs its meaning.</source>
        <translation>서명 의미를 입력하십시오.</translation>
    </message>
    <message>
        <source>Only the user signed in (%1) may sign here.</source>
        <translation>로그인한 사용자(%1)만 여기에 서명할 수 있습니다.</translation>
    </message>
    <message>
        <source>nobody</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>Not signed: %1</source>
        <translation>서명하지 않음: %1</translation>
    </message>
    <message>
        <source>Not signed: only a Supervisor or an Administrator may approve templates.</source>
        <translation>서명하지 않음: 템플릿은 감독자 또는 관리자만 승인할 수 있습니다.</translation>
    </message>
    <message>
        <source>The approval is stored, but not in the journal: %1</source>
        <translation>승인은 저장되었지만 작업 기록에는 없음: %1</translation>
    </message>
    <message>
        <source>%1 by %2 (unsigned: users are off), %3, SHA-256 %4</source>
        <translation>%1, %2 (서명 없음: 사용자 기능 꺼짐), %3, SHA-256 %4</translation>
    </message>
    <message>
        <source>%1, signed by %2, %3, SHA-256 %4</source>
        <translation>%1, 서명자 %2, %3, SHA-256 %4</translation>
    </message>
    <message>
        <source>not approved: %1</source>
        <translation>승인되지 않음: %1</translation>
    </message>
    <message>
        <source>not approved (SHA-256 %1)</source>
        <translation>승인되지 않음(SHA-256 %1)</translation>
    </message>
    <message>
        <source>approval unknown: %1</source>
        <translation>승인 여부 알 수 없음: %1</translation>
    </message>
</context>
<context>
    <name>TextSetWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>내용</translation>
    </message>
    <message>
        <source>External Data</source>
        <translation>외부 데이터</translation>
    </message>
    <message>
        <source>Insert field</source>
        <translation>필드 삽입</translation>
    </message>
</context>
<context>
    <name>TimeSetWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Time Format</source>
        <translation>날짜 형식</translation>
    </message>
    <message>
        <source>"yyyy" means year ,"MM" means month,"dd" means days.
e.g. "yyyy/MM/dd"  -&gt; "2021/05/20"

"hh" means hours ,"mm" means minutes,"ss" measn seconds.
e.g. ''hh:mm:ss" -&gt; "08:08:08"

Coustom date and other date format please see the instructions.</source>
        <translation>"yyyy"는 연도, "MM"은 월, "dd"는 일입니다.
예: "yyyy/MM/dd" -&gt; "2021/05/20"

"hh"는 시, "mm"은 분, "ss"는 초입니다.
예: "hh:mm:ss" -&gt; "08:08:08"

다른 날짜 형식은 설명서를 참조하십시오.</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>yyyy</source>
        <translation>yyyy</translation>
    </message>
    <message>
        <source>MM</source>
        <translation>MM</translation>
    </message>
    <message>
        <source>dd</source>
        <translation>dd</translation>
    </message>
    <message>
        <source>hh</source>
        <translation>hh</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>ss</source>
        <translation>ss</translation>
    </message>
    <message>
        <source>/</source>
        <translation>/</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>:</source>
        <translation>:</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>지우기</translation>
    </message>
    <message>
        <source>Vaild Days</source>
        <translation>유효 일수</translation>
    </message>
    <message>
        <source>Best before of the product</source>
        <translation>제품의 유통기한</translation>
    </message>
    <message>
        <source>In a product's template: a job gives this date the product's shelf life; the days above are what the designer shows meanwhile.</source>
        <translation>제품 템플릿에서: 작업이 이 날짜에 제품의 유통기한을 적용합니다. 위의 일수는 그동안 디자이너가 보여 주는 값입니다.</translation>
    </message>
</context>
<context>
    <name>UserStore</name>
    <message>
        <source>Nobody can sign in until an administrator runs "KorvexControl --create-admin NAME" in this folder.</source>
        <translation>관리자가 이 폴더에서 "KorvexControl --create-admin NAME"을 실행할 때까지 아무도 로그인할 수 없습니다.</translation>
    </message>
    <message>
        <source>The users file %1 %2. %3</source>
        <translation>사용자 파일 %1: %2. %3</translation>
    </message>
    <message>
        <source>is not a plain file</source>
        <translation>일반 파일이 아님</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>읽을 수 없음</translation>
    </message>
    <message>
        <source>belongs to another account</source>
        <translation>다른 계정 소유</translation>
    </message>
    <message>
        <source>may be read or written by other accounts</source>
        <translation>다른 계정이 읽거나 쓸 수 있음</translation>
    </message>
    <message>
        <source>is too large</source>
        <translation>너무 큼</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>읽을 수 없음(%1)</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>손상됨</translation>
    </message>
    <message>
        <source>names no administrator</source>
        <translation>관리자가 없음</translation>
    </message>
    <message>
        <source>Cannot write %1: it is a link, which is not followed</source>
        <translation>%1에 쓸 수 없음: 링크이며 따라가지 않습니다</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1에 쓸 수 없음: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: its permissions cannot be set</source>
        <translation>%1에 쓸 수 없음: 권한을 설정할 수 없음</translation>
    </message>
    <message>
        <source>A user name cannot be empty.</source>
        <translation>사용자 이름은 비워 둘 수 없습니다.</translation>
    </message>
    <message>
        <source>A user name has at most %1 characters.</source>
        <translation>사용자 이름은 최대 %1자입니다.</translation>
    </message>
    <message>
        <source>A user name cannot begin or end with a space.</source>
        <translation>사용자 이름은 공백으로 시작하거나 끝날 수 없습니다.</translation>
    </message>
    <message>
        <source>A user name cannot hold control characters.</source>
        <translation>사용자 이름에는 제어 문자를 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>A user name cannot hold / or \.</source>
        <translation>사용자 이름에는 / 또는 \를 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>A password cannot be empty.</source>
        <translation>비밀번호는 비워 둘 수 없습니다.</translation>
    </message>
    <message>
        <source>%1 is the last administrator.</source>
        <translation>%1 님은 마지막 관리자입니다.</translation>
    </message>
    <message>
        <source>There is no user %1.</source>
        <translation>사용자 %1이(가) 없습니다.</translation>
    </message>
    <message>
        <source>%1 is locked for %2 more seconds after %3 wrong passwords.</source>
        <translation>비밀번호를 %3번 틀려 %1 님은 %2초 동안 더 잠깁니다.</translation>
    </message>
    <message>
        <source>Wrong name or password. %1 is locked for a minute.</source>
        <translation>이름 또는 비밀번호가 틀렸습니다. %1 님은 1분 동안 잠깁니다.</translation>
    </message>
    <message>
        <source>Wrong name or password.</source>
        <translation>이름 또는 비밀번호가 틀렸습니다.</translation>
    </message>
    <message>
        <source>%1 is a link to %2 that cannot be removed; nothing changed.</source>
        <translation>%1은(는) %2을(를) 가리키는 링크이며 제거할 수 없습니다. 아무것도 바뀌지 않음.</translation>
    </message>
    <message>
        <source>%1 was a link to %2: the link is removed and %1 written anew; %2 is left as it was.</source>
        <translation>%1은(는) %2을(를) 가리키는 링크였습니다. 링크를 제거하고 %1을(를) 새로 썼으며 %2은(는) 그대로입니다.</translation>
    </message>
    <message>
        <source>%1 is not a plain file; nothing changed.</source>
        <translation>%1은(는) 일반 파일이 아닙니다. 아무것도 바뀌지 않음.</translation>
    </message>
    <message>
        <source>%1 cannot be read; nothing changed.</source>
        <translation>%1을(를) 읽을 수 없습니다. 아무것도 바뀌지 않음.</translation>
    </message>
    <message>
        <source>%1 belonged to another account, who could have put any user there: it is written anew without its users.</source>
        <translation>%1은(는) 다른 계정의 것이어서 아무 사용자나 넣었을 수 있습니다. 사용자 없이 새로 썼습니다.</translation>
    </message>
    <message>
        <source>%1 could be written by other accounts, who could have put any user there: it is written anew without its users.</source>
        <translation>%1은(는) 다른 계정이 쓸 수 있어 아무 사용자나 넣었을 수 있습니다. 사용자 없이 새로 썼습니다.</translation>
    </message>
    <message>
        <source>%1 was damaged: it is written anew without its users.</source>
        <translation>%1이(가) 손상되어 사용자 없이 새로 썼습니다.</translation>
    </message>
    <message>
        <source>%1 could be read by other accounts: it is now readable by its owner only. The users kept should change their passwords, whose hashes could be read.</source>
        <translation>%1은(는) 다른 계정이 읽을 수 있었습니다. 이제 소유자만 읽을 수 있습니다. 남은 사용자는 해시가 읽혔을 수 있으니 비밀번호를 바꾸십시오.</translation>
    </message>
    <message>
        <source>The other users are kept: %1.</source>
        <translation>다른 사용자는 유지됩니다: %1.</translation>
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
<context>
    <name>ParameterChange</name>
    <message>
        <source>spray mode</source>
        <translation>분사 모드</translation>
    </message>
    <message>
        <source>device value 1</source>
        <translation>장치 값 1</translation>
    </message>
    <message>
        <source>device value 2</source>
        <translation>장치 값 2</translation>
    </message>
    <message>
        <source>resolution</source>
        <translation>해상도</translation>
    </message>
    <message>
        <source>trigger</source>
        <translation>트리거</translation>
    </message>
    <message>
        <source>head range</source>
        <translation>헤드 범위</translation>
    </message>
    <message>
        <source>splice</source>
        <translation>이어 붙이기</translation>
    </message>
    <message>
        <source>heads</source>
        <translation>헤드</translation>
    </message>
    <message>
        <source>direction</source>
        <translation>방향</translation>
    </message>
    <message>
        <source>head 1 offset</source>
        <translation>헤드 1 오프셋</translation>
    </message>
    <message>
        <source>head 2 offset</source>
        <translation>헤드 2 오프셋</translation>
    </message>
    <message>
        <source>head 3 offset</source>
        <translation>헤드 3 오프셋</translation>
    </message>
    <message>
        <source>head 4 offset</source>
        <translation>헤드 4 오프셋</translation>
    </message>
    <message>
        <source>head 1 direction</source>
        <translation>헤드 1 방향</translation>
    </message>
    <message>
        <source>head 2 direction</source>
        <translation>헤드 2 방향</translation>
    </message>
    <message>
        <source>head 3 direction</source>
        <translation>헤드 3 방향</translation>
    </message>
    <message>
        <source>head 4 direction</source>
        <translation>헤드 4 방향</translation>
    </message>
    <message>
        <source>encoder</source>
        <translation>인코더</translation>
    </message>
    <message>
        <source>beep</source>
        <translation>신호음</translation>
    </message>
    <message>
        <source>encoder pulses</source>
        <translation>인코더 펄스</translation>
    </message>
    <message>
        <source>encoder diameter</source>
        <translation>인코더 직경</translation>
    </message>
    <message>
        <source>line speed</source>
        <translation>라인 속도</translation>
    </message>
    <message>
        <source>signal interval</source>
        <translation>신호 간격</translation>
    </message>
    <message>
        <source>device value 3</source>
        <translation>장치 값 3</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>per revolution</source>
        <translation>회전당</translation>
    </message>
    <message>
        <source>m/min</source>
        <translation>m/min</translation>
    </message>
    <message>
        <source>dpi</source>
        <translation>dpi</translation>
    </message>
    <message>
        <source>forward</source>
        <translation>정방향</translation>
    </message>
    <message>
        <source>reverse</source>
        <translation>역방향</translation>
    </message>
    <message>
        <source>inverse</source>
        <translation>반전</translation>
    </message>
    <message>
        <source>rev/inv</source>
        <translation>역방향/반전</translation>
    </message>
    <message>
        <source>code %1</source>
        <translation>코드 %1</translation>
    </message>
    <message>
        <source>left</source>
        <translation>왼쪽</translation>
    </message>
    <message>
        <source>right</source>
        <translation>오른쪽</translation>
    </message>
    <message>
        <source>high quality</source>
        <translation>고품질</translation>
    </message>
    <message>
        <source>high speed</source>
        <translation>고속</translation>
    </message>
    <message>
        <source>external signal</source>
        <translation>외부 신호</translation>
    </message>
    <message>
        <source>internal signal</source>
        <translation>내부 신호</translation>
    </message>
    <message>
        <source>none</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>on</source>
        <translation>켜짐</translation>
    </message>
    <message>
        <source>off</source>
        <translation>꺼짐</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>열기</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>저장 안 함</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>초기화</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>예(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>아니요(&amp;N)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>중단</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>다시 시도</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>무시</translation>
    </message>
</context>
</TS>
