<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="zh_CN">
<context>
    <name>MainWindow</name>
    <message>
        <source>MainWindow</source>
        <translation>메인 창</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>도구 모음</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>文本</source>
        <translation>텍스트</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>텍스트</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>시간</translation>
    </message>
    <message>
        <source>序号</source>
        <translation>카운터</translation>
    </message>
    <message>
        <source>序号1</source>
        <translation>카운터 1</translation>
    </message>
    <message>
        <source>序号2</source>
        <translation>카운터 2</translation>
    </message>
    <message>
        <source>图片</source>
        <translation>이미지</translation>
    </message>
    <message>
        <source>条形码</source>
        <translation>바코드</translation>
    </message>
    <message>
        <source>二维码</source>
        <translation>QR 코드</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>file</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>편집</translation>
    </message>
    <message>
        <source>平台</source>
        <translation>플랫폼</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>새로 만들기</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>열기</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>다른 이름으로 저장</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Type A</source>
        <translation>Type A</translation>
    </message>
    <message>
        <source>Type B</source>
        <translation>Type B</translation>
    </message>
    <message>
        <source>Type C</source>
        <translation>Type C</translation>
    </message>
    <message>
        <source>Type D</source>
        <translation>Type D</translation>
    </message>
    <message>
        <source>编辑软件</source>
        <translation>편집 소프트웨어</translation>
    </message>
    <message>
        <source>Spray/Untitled.spr</source>
        <translation>Spray/제목 없음.spr</translation>
    </message>
    <message>
        <source>打开文件</source>
        <translation>파일 열기</translation>
    </message>
    <message>
        <source>Spr Files(*.spr )</source>
        <translation>Spr 파일 (*.spr )</translation>
    </message>
    <message>
        <source>保存文件</source>
        <translation>파일 저장</translation>
    </message>
    <message>
        <source>*.spr</source>
        <translation>*.spr</translation>
    </message>
    <message>
        <source>删除文件</source>
        <translation>파일 삭제</translation>
    </message>
    <message>
        <source>打开图片</source>
        <translation>이미지 열기</translation>
    </message>
    <message>
        <source>Image Files(*.jpg *.bmp)</source>
        <translation>이미지 파일 (*.jpg *.bmp)</translation>
    </message>
    <message>
        <source>无法打开文件：%1</source>
        <translation>파일을 열 수 없습니다: %1</translation>
    </message>
    <message>
        <source>文件不是有效的信息文件：%1</source>
        <translation>올바른 메시지 파일이 아닙니다: %1</translation>
    </message>
    <message>
        <source>无法删除文件：%1
%2</source>
        <translation>파일을 삭제할 수 없습니다: %1
%2</translation>
    </message>
    <message>
        <source>%1 有未保存的修改，是否保存？</source>
        <translation>%1에 저장하지 않은 변경 사항이 있습니다. 저장하시겠습니까?</translation>
    </message>
    <message>
        <source>不保存</source>
        <translation>저장 안 함</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>실행 취소</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>다시 실행</translation>
    </message>
    <message>
        <source>撤销：%1</source>
        <translation>실행 취소: %1</translation>
    </message>
    <message>
        <source>重做：%1</source>
        <translation>다시 실행: %1</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>추가</translation>
    </message>
    <message>
        <source>移动</source>
        <translation>이동</translation>
    </message>
    <message>
        <source>修改内容</source>
        <translation>내용 변경</translation>
    </message>
    <message>
        <source>修改属性</source>
        <translation>속성 변경</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>操作手册</source>
        <translation>운영자 설명서</translation>
    </message>
    <message>
        <source>找不到操作手册。</source>
        <translation>운영자 설명서가 설치되어 있지 않습니다.</translation>
    </message>
    <message>
        <source>无法打开操作手册：%1</source>
        <translation>운영자 설명서를 열 수 없습니다: %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>条码格式错误，本条码为13位阿拉伯数字！</source>
        <translation>바코드 형식 오류: 이 바코드는 13자리 아라비아 숫자입니다!</translation>
    </message>
    <message>
        <source>条码格式错误，本条码为8位阿拉伯数字！</source>
        <translation>바코드 형식 오류: 이 바코드는 8자리 아라비아 숫자입니다!</translation>
    </message>
    <message>
        <source>条码格式错误，本条码内容仅包含数字与大写字母及部分符号！</source>
        <translation>바코드 형식 오류: 이 바코드에는 숫자, 영문 대문자와 일부 기호만 사용할 수 있습니다!</translation>
    </message>
    <message>
        <source>条码格式错误，本条码为12位阿拉伯数字！</source>
        <translation>바코드 형식 오류: 이 바코드는 12자리 아라비아 숫자입니다!</translation>
    </message>
    <message>
        <source>条码格式错误，本条码内容仅包含数字与英文字母及部分符号！</source>
        <translation>바코드 형식 오류: 이 바코드에는 숫자, 영문자와 일부 기호만 사용할 수 있습니다!</translation>
    </message>
    <message>
        <source>条码格式错误！</source>
        <translation>바코드 형식 오류!</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>경고</translation>
    </message>
    <message>
        <source>确认</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>文件保存失败：%1
%2</source>
        <translation>파일을 저장하지 못했습니다: %1
%2</translation>
    </message>
    <message>
        <source>内容无效的条码：%1</source>
        <translation>내용이 잘못된 바코드: %1</translation>
    </message>
    <message>
        <source>……另有 %1 个</source>
        <translation>…외 %1개</translation>
    </message>
</context>
<context>
    <name>textSetting</name>
    <message>
        <source>Form</source>
        <translation>폼</translation>
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
        <source>旋转</source>
        <translation>회전</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>글꼴</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>크기</translation>
    </message>
    <message>
        <source>间距</source>
        <translation>간격</translation>
    </message>
    <message>
        <source>宋体</source>
        <translation>SimSun</translation>
    </message>
    <message>
        <source>黑体</source>
        <translation>SimHei</translation>
    </message>
    <message>
        <source>微软雅黑</source>
        <translation>Microsoft YaHei</translation>
    </message>
    <message>
        <source>楷体</source>
        <translation>KaiTi</translation>
    </message>
    <message>
        <source>Arial</source>
        <translation>Arial</translation>
    </message>
    <message>
        <source>华文彩云</source>
        <translation>STCaiyun</translation>
    </message>
    <message>
        <source>隶体</source>
        <translation>LiSu</translation>
    </message>
    <message>
        <source>方正超细</source>
        <translation>FZ 초세선</translation>
    </message>
    <message>
        <source>方正古隶</source>
        <translation>FZ GuLi</translation>
    </message>
    <message>
        <source>点阵繁体</source>
        <translation>도트 번체</translation>
    </message>
    <message>
        <source>点阵汉字</source>
        <translation>도트 한자</translation>
    </message>
    <message>
        <source>7点阵圆点</source>
        <translation>7도트 원형</translation>
    </message>
    <message>
        <source>7点阵方点</source>
        <translation>7도트 사각</translation>
    </message>
    <message>
        <source>8点阵圆点</source>
        <translation>8도트 원형</translation>
    </message>
    <message>
        <source>常用点阵</source>
        <translation>일반 도트</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>아랍어</translation>
    </message>
</context>
<context>
    <name>timeSetting</name>
    <message>
        <source>Form</source>
        <translation>폼</translation>
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
        <source>旋转</source>
        <translation>회전</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>글꼴</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>크기</translation>
    </message>
    <message>
        <source>间距</source>
        <translation>간격</translation>
    </message>
    <message>
        <source>更改</source>
        <translation>변경</translation>
    </message>
    <message>
        <source>宋体</source>
        <translation>SimSun</translation>
    </message>
    <message>
        <source>黑体</source>
        <translation>SimHei</translation>
    </message>
    <message>
        <source>微软雅黑</source>
        <translation>Microsoft YaHei</translation>
    </message>
    <message>
        <source>楷体</source>
        <translation>KaiTi</translation>
    </message>
    <message>
        <source>Arial</source>
        <translation>Arial</translation>
    </message>
    <message>
        <source>华文彩云</source>
        <translation>STCaiyun</translation>
    </message>
    <message>
        <source>隶体</source>
        <translation>LiSu</translation>
    </message>
    <message>
        <source>方正超细</source>
        <translation>FZ 초세선</translation>
    </message>
    <message>
        <source>方正古隶</source>
        <translation>FZ GuLi</translation>
    </message>
    <message>
        <source>点阵繁体</source>
        <translation>도트 번체</translation>
    </message>
    <message>
        <source>点阵汉字</source>
        <translation>도트 한자</translation>
    </message>
    <message>
        <source>7点阵圆点</source>
        <translation>7도트 원형</translation>
    </message>
    <message>
        <source>7点阵方点</source>
        <translation>7도트 사각</translation>
    </message>
    <message>
        <source>8点阵圆点</source>
        <translation>8도트 원형</translation>
    </message>
    <message>
        <source>常用点阵</source>
        <translation>일반 도트</translation>
    </message>
</context>
<context>
    <name>cntSetting</name>
    <message>
        <source>Form</source>
        <translation>폼</translation>
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
        <source>旋转</source>
        <translation>회전</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>글꼴</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>크기</translation>
    </message>
    <message>
        <source>间距</source>
        <translation>간격</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>자릿수</translation>
    </message>
    <message>
        <source>类别</source>
        <translation>카운터</translation>
    </message>
    <message>
        <source>宋体</source>
        <translation>SimSun</translation>
    </message>
    <message>
        <source>黑体</source>
        <translation>SimHei</translation>
    </message>
    <message>
        <source>微软雅黑</source>
        <translation>Microsoft YaHei</translation>
    </message>
    <message>
        <source>楷体</source>
        <translation>KaiTi</translation>
    </message>
    <message>
        <source>Arial</source>
        <translation>Arial</translation>
    </message>
    <message>
        <source>华文彩云</source>
        <translation>STCaiyun</translation>
    </message>
    <message>
        <source>隶体</source>
        <translation>LiSu</translation>
    </message>
    <message>
        <source>方正超细</source>
        <translation>FZ 초세선</translation>
    </message>
    <message>
        <source>方正古隶</source>
        <translation>FZ GuLi</translation>
    </message>
    <message>
        <source>点阵繁体</source>
        <translation>도트 번체</translation>
    </message>
    <message>
        <source>点阵汉字</source>
        <translation>도트 한자</translation>
    </message>
    <message>
        <source>7点阵圆点</source>
        <translation>7도트 원형</translation>
    </message>
    <message>
        <source>7点阵方点</source>
        <translation>7도트 사각</translation>
    </message>
    <message>
        <source>8点阵圆点</source>
        <translation>8도트 원형</translation>
    </message>
    <message>
        <source>常用点阵</source>
        <translation>일반 도트</translation>
    </message>
    <message>
        <source>1位</source>
        <translation>1자리</translation>
    </message>
    <message>
        <source>2位</source>
        <translation>2자리</translation>
    </message>
    <message>
        <source>3位</source>
        <translation>3자리</translation>
    </message>
    <message>
        <source>4位</source>
        <translation>4자리</translation>
    </message>
    <message>
        <source>5位</source>
        <translation>5자리</translation>
    </message>
    <message>
        <source>6位</source>
        <translation>6자리</translation>
    </message>
    <message>
        <source>7位</source>
        <translation>7자리</translation>
    </message>
    <message>
        <source>8位</source>
        <translation>8자리</translation>
    </message>
    <message>
        <source>计数器1</source>
        <translation>카운터 1</translation>
    </message>
    <message>
        <source>计数器2</source>
        <translation>카운터 2</translation>
    </message>
</context>
<context>
    <name>cnt2Setting</name>
    <message>
        <source>Form</source>
        <translation>폼</translation>
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
        <source>旋转</source>
        <translation>회전</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>글꼴</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>크기</translation>
    </message>
    <message>
        <source>间距</source>
        <translation>간격</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>자릿수</translation>
    </message>
    <message>
        <source>宋体</source>
        <translation>SimSun</translation>
    </message>
    <message>
        <source>黑体</source>
        <translation>SimHei</translation>
    </message>
    <message>
        <source>微软雅黑</source>
        <translation>Microsoft YaHei</translation>
    </message>
    <message>
        <source>楷体</source>
        <translation>KaiTi</translation>
    </message>
    <message>
        <source>点阵汉字</source>
        <translation>도트 한자</translation>
    </message>
    <message>
        <source>Arial</source>
        <translation>Arial</translation>
    </message>
    <message>
        <source>华文彩云</source>
        <translation>STCaiyun</translation>
    </message>
    <message>
        <source>隶体</source>
        <translation>LiSu</translation>
    </message>
    <message>
        <source>点阵繁体</source>
        <translation>도트 번체</translation>
    </message>
    <message>
        <source>方正古隶</source>
        <translation>FZ GuLi</translation>
    </message>
    <message>
        <source>7点阵圆点</source>
        <translation>7도트 원형</translation>
    </message>
    <message>
        <source>7点阵方点</source>
        <translation>7도트 사각</translation>
    </message>
    <message>
        <source>7点阵双点</source>
        <translation>7도트 이중</translation>
    </message>
    <message>
        <source>8点阵圆点</source>
        <translation>8도트 원형</translation>
    </message>
    <message>
        <source>11点阵圆点</source>
        <translation>11도트 원형</translation>
    </message>
    <message>
        <source>常用点阵</source>
        <translation>일반 도트</translation>
    </message>
    <message>
        <source>1位</source>
        <translation>1자리</translation>
    </message>
    <message>
        <source>2位</source>
        <translation>2자리</translation>
    </message>
    <message>
        <source>3位</source>
        <translation>3자리</translation>
    </message>
    <message>
        <source>4位</source>
        <translation>4자리</translation>
    </message>
    <message>
        <source>5位</source>
        <translation>5자리</translation>
    </message>
    <message>
        <source>6位</source>
        <translation>6자리</translation>
    </message>
    <message>
        <source>7位</source>
        <translation>7자리</translation>
    </message>
    <message>
        <source>8位</source>
        <translation>8자리</translation>
    </message>
</context>
<context>
    <name>barSetting</name>
    <message>
        <source>Form</source>
        <translation>폼</translation>
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
        <source>旋转</source>
        <translation>회전</translation>
    </message>
    <message>
        <source>高度</source>
        <translation>높이</translation>
    </message>
    <message>
        <source>类别</source>
        <translation>유형</translation>
    </message>
    <message>
        <source>显示数字</source>
        <translation>숫자 표시</translation>
    </message>
    <message>
        <source>EAN13</source>
        <translation>EAN13</translation>
    </message>
    <message>
        <source>EAN8</source>
        <translation>EAN8</translation>
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
        <source>UPCA</source>
        <translation>UPCA</translation>
    </message>
    <message>
        <source>UPCE</source>
        <translation>UPCE</translation>
    </message>
    <message>
        <source>Code_128</source>
        <translation>Code_128</translation>
    </message>
</context>
<context>
    <name>imageSetting</name>
    <message>
        <source>Form</source>
        <translation>폼</translation>
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
        <source>旋转</source>
        <translation>회전</translation>
    </message>
    <message>
        <source>宽度</source>
        <translation>너비</translation>
    </message>
    <message>
        <source>高度</source>
        <translation>높이</translation>
    </message>
    <message>
        <source>选择图形</source>
        <translation>그림 선택</translation>
    </message>
    <message>
        <source>文件名</source>
        <translation>파일 이름</translation>
    </message>
    <message>
        <source>反 色</source>
        <translation>반전</translation>
    </message>
</context>
<context>
    <name>QRCodeSetting</name>
    <message>
        <source>Form</source>
        <translation>폼</translation>
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
        <source>旋转</source>
        <translation>회전</translation>
    </message>
    <message>
        <source>缩放</source>
        <translation>배율</translation>
    </message>
    <message>
        <source>精度</source>
        <translation>오류 정정</translation>
    </message>
    <message>
        <source>边长</source>
        <translation>변 길이</translation>
    </message>
    <message>
        <source>可变</source>
        <translation>가변</translation>
    </message>
    <message>
        <source>低</source>
        <translation>낮음</translation>
    </message>
    <message>
        <source>中</source>
        <translation>중간</translation>
    </message>
    <message>
        <source>高</source>
        <translation>높음</translation>
    </message>
    <message>
        <source>精准</source>
        <translation>최고</translation>
    </message>
    <message>
        <source>21px</source>
        <translation>21px</translation>
    </message>
    <message>
        <source>25px</source>
        <translation>25px</translation>
    </message>
    <message>
        <source>29px</source>
        <translation>29px</translation>
    </message>
    <message>
        <source>33px</source>
        <translation>33px</translation>
    </message>
    <message>
        <source>37px</source>
        <translation>37px</translation>
    </message>
</context>
<context>
    <name>setTimeModeDialog</name>
    <message>
        <source>Dialog</source>
        <translation>시간 형식</translation>
    </message>
    <message>
        <source>快速设置:</source>
        <translation>빠른 설정:</translation>
    </message>
    <message>
        <source>yyyy年</source>
        <translation>yyyy年</translation>
    </message>
    <message>
        <source>yy年</source>
        <translation>yy年</translation>
    </message>
    <message>
        <source>yyyy</source>
        <translation>yyyy</translation>
    </message>
    <message>
        <source>yyyy/MM</source>
        <translation>yyyy/MM</translation>
    </message>
    <message>
        <source>yy/MM</source>
        <translation>yy/MM</translation>
    </message>
    <message>
        <source>yyyy.MM</source>
        <translation>yyyy.MM</translation>
    </message>
    <message>
        <source>yyyy年MM月</source>
        <translation>yyyy年MM月</translation>
    </message>
    <message>
        <source>yyyy/MM/dd</source>
        <translation>yyyy/MM/dd</translation>
    </message>
    <message>
        <source>yy/MM/dd</source>
        <translation>yy/MM/dd</translation>
    </message>
    <message>
        <source>yyyy-MM-dd</source>
        <translation>yyyy-MM-dd</translation>
    </message>
    <message>
        <source>yy-MM-dd</source>
        <translation>yy-MM-dd</translation>
    </message>
    <message>
        <source>yyyy年MM月dd日</source>
        <translation>yyyy年MM月dd日</translation>
    </message>
    <message>
        <source>yyyyMMdd</source>
        <translation>yyyyMMdd</translation>
    </message>
    <message>
        <source>yyyy/MM/dd hh时</source>
        <translation>yyyy/MM/dd hh时</translation>
    </message>
    <message>
        <source>yy/MM/dd  hh时</source>
        <translation>yy/MM/dd  hh时</translation>
    </message>
    <message>
        <source>yyyy/MM/dd  hh:mm</source>
        <translation>yyyy/MM/dd  hh:mm</translation>
    </message>
    <message>
        <source>yy/MM/dd  hh:mm</source>
        <translation>yy/MM/dd  hh:mm</translation>
    </message>
    <message>
        <source>yyyy/MM/dd hh:mm:ss</source>
        <translation>yyyy/MM/dd hh:mm:ss</translation>
    </message>
    <message>
        <source>yy/MM/dd hh:mm:ss</source>
        <translation>yy/MM/dd hh:mm:ss</translation>
    </message>
    <message>
        <source>yyyy-MM-dd hh:mm:ss</source>
        <translation>yyyy-MM-dd hh:mm:ss</translation>
    </message>
    <message>
        <source>yy-MM-dd hh:mm:ss</source>
        <translation>yy-MM-dd hh:mm:ss</translation>
    </message>
    <message>
        <source>yyyy年MM月dd日 hh时mm分ss秒</source>
        <translation>yyyy年MM月dd日 hh时mm分ss秒</translation>
    </message>
    <message>
        <source>hh:mm:ss</source>
        <translation>hh:mm:ss</translation>
    </message>
    <message>
        <source>dd.MM.yyyy</source>
        <translation>dd.MM.yyyy</translation>
    </message>
    <message>
        <source>hh:mm</source>
        <translation>hh:mm</translation>
    </message>
    <message>
        <source>格式设置</source>
        <translation>형식 설정</translation>
    </message>
    <message>
        <source>年:</source>
        <translation>년:</translation>
    </message>
    <message>
        <source>月:</source>
        <translation>월:</translation>
    </message>
    <message>
        <source>日:</source>
        <translation>일:</translation>
    </message>
    <message>
        <source>时:</source>
        <translation>시:</translation>
    </message>
    <message>
        <source>分:</source>
        <translation>분:</translation>
    </message>
    <message>
        <source>秒:</source>
        <translation>초:</translation>
    </message>
    <message>
        <source>yy</source>
        <translation>yy</translation>
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
        <source>取消</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>后缀</source>
        <translation>접미사</translation>
    </message>
    <message>
        <source>顺序</source>
        <translation>순서</translation>
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
        <source>.</source>
        <translation>.</translation>
    </message>
    <message>
        <source>年</source>
        <translation>年 (년)</translation>
    </message>
    <message>
        <source>月</source>
        <translation>月 (월)</translation>
    </message>
    <message>
        <source>日</source>
        <translation>日 (일)</translation>
    </message>
    <message>
        <source>空格</source>
        <translation>공백</translation>
    </message>
    <message>
        <source>双空格</source>
        <translation>이중 공백</translation>
    </message>
    <message>
        <source>:</source>
        <translation>:</translation>
    </message>
    <message>
        <source>时</source>
        <translation>时 (시)</translation>
    </message>
    <message>
        <source>分</source>
        <translation>分 (분)</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>秒 (초)</translation>
    </message>
    <message>
        <source>2016/07/01 08:30:00</source>
        <translation>2016/07/01 08:30:00</translation>
    </message>
    <message>
        <source>格式:</source>
        <translation>형식:</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>미리 보기</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>取消</source>
        <comment>leave the part out</comment>
        <translation>생략</translation>
    </message>
    <message>
        <source>取消</source>
        <comment>no suffix</comment>
        <translation>접미사 없음</translation>
    </message>
</context>
<context>
    <name>QRCodeDynamicStyleDialog</name>
    <message>
        <source>Dialog</source>
        <translation>가변 QR 코드</translation>
    </message>
    <message>
        <source>计数器类型</source>
        <translation>카운터 유형</translation>
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
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>7</source>
        <translation>7</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>时间设置</source>
        <translation>시간 설정</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>diagramTextItem</name>
    <message>
        <source>Input text</source>
        <translation>텍스트 입력</translation>
    </message>
</context>
</TS>
