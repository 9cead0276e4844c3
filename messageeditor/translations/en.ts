<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>MainWindow</name>
    <message>
        <source>MainWindow</source>
        <translation>MainWindow</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Finish</translation>
    </message>
    <message>
        <source>文本</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>序号</source>
        <translation>Counter</translation>
    </message>
    <message>
        <source>序号1</source>
        <translation>Cnt1</translation>
    </message>
    <message>
        <source>序号2</source>
        <translation>Cnt2</translation>
    </message>
    <message>
        <source>图片</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>条形码</source>
        <translation>BarCode</translation>
    </message>
    <message>
        <source>二维码</source>
        <translation>QRCode</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>file</source>
        <translation>File</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>File</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>平台</source>
        <translation>Platform</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>New</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
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
        <translation>Editing software</translation>
    </message>
    <message>
        <source>Spray/Untitled.spr</source>
        <translation>Spray/Untitled.spr</translation>
    </message>
    <message>
        <source>打开文件</source>
        <translation>Open file</translation>
    </message>
    <message>
        <source>Spr Files(*.spr )</source>
        <translation>Spr Files(*.spr )</translation>
    </message>
    <message>
        <source>保存文件</source>
        <translation>Save file</translation>
    </message>
    <message>
        <source>*.spr</source>
        <translation>*.spr</translation>
    </message>
    <message>
        <source>删除文件</source>
        <translation>Delete file</translation>
    </message>
    <message>
        <source>打开图片</source>
        <translation>open Image</translation>
    </message>
    <message>
        <source>Image Files(*.jpg *.bmp)</source>
        <translation>Image Files(*.jpg *.bmp)</translation>
    </message>
    <message>
        <source>无法打开文件：%1</source>
        <translation>Could not open the file: %1</translation>
    </message>
    <message>
        <source>文件不是有效的信息文件：%1</source>
        <translation>The file is not a valid message file: %1</translation>
    </message>
    <message>
        <source>无法删除文件：%1
%2</source>
        <translation>Could not delete the file: %1
%2</translation>
    </message>
    <message>
        <source>%1 有未保存的修改，是否保存？</source>
        <translation>%1 has unsaved changes. Save them?</translation>
    </message>
    <message>
        <source>不保存</source>
        <translation>Don't save</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>撤销：%1</source>
        <translation>Undo: %1</translation>
    </message>
    <message>
        <source>重做：%1</source>
        <translation>Redo: %1</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>移动</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>修改内容</source>
        <translation>Change content</translation>
    </message>
    <message>
        <source>修改属性</source>
        <translation>Change properties</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>操作手册</source>
        <translation>Operator's Manual</translation>
    </message>
    <message>
        <source>找不到操作手册。</source>
        <translation>The operator's manual is not installed.</translation>
    </message>
    <message>
        <source>无法打开操作手册：%1</source>
        <translation>Cannot open the operator's manual: %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>条码格式错误，本条码为13位阿拉伯数字！</source>
        <translation>Barcode format error,the barcode is 13 - bit Arabic numerals!</translation>
    </message>
    <message>
        <source>条码格式错误，本条码为8位阿拉伯数字！</source>
        <translation>Barcode format error,the barcode is 8 - bit Arabic numerals!</translation>
    </message>
    <message>
        <source>条码格式错误，本条码内容仅包含数字与大写字母及部分符号！</source>
        <translation>Bar code format error, the contents of the bar code contains only numbers and uppercase letters and some symbols!</translation>
    </message>
    <message>
        <source>条码格式错误，本条码为12位阿拉伯数字！</source>
        <translation>The barcode format is wrong. This barcode is 12 Arabic numerals!</translation>
    </message>
    <message>
        <source>条码格式错误，本条码内容仅包含数字与英文字母及部分符号！</source>
        <translation>Bar code format error, the contents of the bar code contains only numbers and letters and part of symbols!</translation>
    </message>
    <message>
        <source>条码格式错误！</source>
        <translation>Bar code format error!</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>确认</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>文件保存失败：%1
%2</source>
        <translation>Could not save the file: %1
%2</translation>
    </message>
    <message>
        <source>内容无效的条码：%1</source>
        <translation>Barcodes with invalid content: %1</translation>
    </message>
    <message>
        <source>……另有 %1 个</source>
        <translation>…and %1 more</translation>
    </message>
</context>
<context>
    <name>textSetting</name>
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
        <source>旋转</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>间距</source>
        <translation>Spacing</translation>
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
        <translation>FZ UltraLight</translation>
    </message>
    <message>
        <source>方正古隶</source>
        <translation>FZ GuLi</translation>
    </message>
    <message>
        <source>点阵繁体</source>
        <translation>Dot matrix traditional</translation>
    </message>
    <message>
        <source>点阵汉字</source>
        <translation>Dot matrix Chinese</translation>
    </message>
    <message>
        <source>7点阵圆点</source>
        <translation>7-dot round</translation>
    </message>
    <message>
        <source>7点阵方点</source>
        <translation>7-dot square</translation>
    </message>
    <message>
        <source>8点阵圆点</source>
        <translation>8-dot round</translation>
    </message>
    <message>
        <source>常用点阵</source>
        <translation>Common dot matrix</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabic</translation>
    </message>
</context>
<context>
    <name>timeSetting</name>
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
        <source>旋转</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>间距</source>
        <translation>Spacing</translation>
    </message>
    <message>
        <source>更改</source>
        <translation>Change</translation>
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
        <translation>FZ UltraLight</translation>
    </message>
    <message>
        <source>方正古隶</source>
        <translation>FZ GuLi</translation>
    </message>
    <message>
        <source>点阵繁体</source>
        <translation>Dot matrix traditional</translation>
    </message>
    <message>
        <source>点阵汉字</source>
        <translation>Dot matrix Chinese</translation>
    </message>
    <message>
        <source>7点阵圆点</source>
        <translation>7-dot round</translation>
    </message>
    <message>
        <source>7点阵方点</source>
        <translation>7-dot square</translation>
    </message>
    <message>
        <source>8点阵圆点</source>
        <translation>8-dot round</translation>
    </message>
    <message>
        <source>常用点阵</source>
        <translation>Common dot matrix</translation>
    </message>
</context>
<context>
    <name>cntSetting</name>
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
        <source>旋转</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>间距</source>
        <translation>Spacing</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Digits</translation>
    </message>
    <message>
        <source>类别</source>
        <translation>Counter</translation>
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
        <translation>FZ UltraLight</translation>
    </message>
    <message>
        <source>方正古隶</source>
        <translation>FZ GuLi</translation>
    </message>
    <message>
        <source>点阵繁体</source>
        <translation>Dot matrix traditional</translation>
    </message>
    <message>
        <source>点阵汉字</source>
        <translation>Dot matrix Chinese</translation>
    </message>
    <message>
        <source>7点阵圆点</source>
        <translation>7-dot round</translation>
    </message>
    <message>
        <source>7点阵方点</source>
        <translation>7-dot square</translation>
    </message>
    <message>
        <source>8点阵圆点</source>
        <translation>8-dot round</translation>
    </message>
    <message>
        <source>常用点阵</source>
        <translation>Common dot matrix</translation>
    </message>
    <message>
        <source>1位</source>
        <translation>1 digit</translation>
    </message>
    <message>
        <source>2位</source>
        <translation>2 digits</translation>
    </message>
    <message>
        <source>3位</source>
        <translation>3 digits</translation>
    </message>
    <message>
        <source>4位</source>
        <translation>4 digits</translation>
    </message>
    <message>
        <source>5位</source>
        <translation>5 digits</translation>
    </message>
    <message>
        <source>6位</source>
        <translation>6 digits</translation>
    </message>
    <message>
        <source>7位</source>
        <translation>7 digits</translation>
    </message>
    <message>
        <source>8位</source>
        <translation>8 digits</translation>
    </message>
    <message>
        <source>计数器1</source>
        <translation>Counter 1</translation>
    </message>
    <message>
        <source>计数器2</source>
        <translation>Counter 2</translation>
    </message>
</context>
<context>
    <name>cnt2Setting</name>
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
        <source>旋转</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>间距</source>
        <translation>Spacing</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Digits</translation>
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
        <translation>Dot matrix Chinese</translation>
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
        <translation>Dot matrix traditional</translation>
    </message>
    <message>
        <source>方正古隶</source>
        <translation>FZ GuLi</translation>
    </message>
    <message>
        <source>7点阵圆点</source>
        <translation>7-dot round</translation>
    </message>
    <message>
        <source>7点阵方点</source>
        <translation>7-dot square</translation>
    </message>
    <message>
        <source>7点阵双点</source>
        <translation>7-dot double</translation>
    </message>
    <message>
        <source>8点阵圆点</source>
        <translation>8-dot round</translation>
    </message>
    <message>
        <source>11点阵圆点</source>
        <translation>11-dot round</translation>
    </message>
    <message>
        <source>常用点阵</source>
        <translation>Common dot matrix</translation>
    </message>
    <message>
        <source>1位</source>
        <translation>1 digit</translation>
    </message>
    <message>
        <source>2位</source>
        <translation>2 digits</translation>
    </message>
    <message>
        <source>3位</source>
        <translation>3 digits</translation>
    </message>
    <message>
        <source>4位</source>
        <translation>4 digits</translation>
    </message>
    <message>
        <source>5位</source>
        <translation>5 digits</translation>
    </message>
    <message>
        <source>6位</source>
        <translation>6 digits</translation>
    </message>
    <message>
        <source>7位</source>
        <translation>7 digits</translation>
    </message>
    <message>
        <source>8位</source>
        <translation>8 digits</translation>
    </message>
</context>
<context>
    <name>barSetting</name>
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
        <source>旋转</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>高度</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>类别</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>显示数字</source>
        <translation>Show digits</translation>
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
        <source>旋转</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>宽度</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>高度</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>选择图形</source>
        <translation>Choose picture</translation>
    </message>
    <message>
        <source>文件名</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>反 色</source>
        <translation>Reverse</translation>
    </message>
</context>
<context>
    <name>QRCodeSetting</name>
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
        <source>旋转</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>缩放</source>
        <translation>Scale</translation>
    </message>
    <message>
        <source>精度</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>边长</source>
        <translation>Side</translation>
    </message>
    <message>
        <source>可变</source>
        <translation>Variable</translation>
    </message>
    <message>
        <source>低</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>中</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>高</source>
        <translation>High</translation>
    </message>
    <message>
        <source>精准</source>
        <translation>Highest</translation>
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
        <translation>Time format</translation>
    </message>
    <message>
        <source>快速设置:</source>
        <translation>Quick setting:</translation>
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
        <translation>Format settings</translation>
    </message>
    <message>
        <source>年:</source>
        <translation>Year:</translation>
    </message>
    <message>
        <source>月:</source>
        <translation>Month:</translation>
    </message>
    <message>
        <source>日:</source>
        <translation>Day:</translation>
    </message>
    <message>
        <source>时:</source>
        <translation>Hour:</translation>
    </message>
    <message>
        <source>分:</source>
        <translation>Minute:</translation>
    </message>
    <message>
        <source>秒:</source>
        <translation>Second:</translation>
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
        <translation>Cancel</translation>
    </message>
    <message>
        <source>后缀</source>
        <translation>Suffix</translation>
    </message>
    <message>
        <source>顺序</source>
        <translation>Order</translation>
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
        <translation>年 (year)</translation>
    </message>
    <message>
        <source>月</source>
        <translation>月 (month)</translation>
    </message>
    <message>
        <source>日</source>
        <translation>日 (day)</translation>
    </message>
    <message>
        <source>空格</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>双空格</source>
        <translation>Double space</translation>
    </message>
    <message>
        <source>:</source>
        <translation>:</translation>
    </message>
    <message>
        <source>时</source>
        <translation>时 (hour)</translation>
    </message>
    <message>
        <source>分</source>
        <translation>分 (minute)</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>秒 (second)</translation>
    </message>
    <message>
        <source>2016/07/01 08:30:00</source>
        <translation>2016/07/01 08:30:00</translation>
    </message>
    <message>
        <source>格式:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <comment>leave the part out</comment>
        <translation>Leave out</translation>
    </message>
    <message>
        <source>取消</source>
        <comment>no suffix</comment>
        <translation>No suffix</translation>
    </message>
</context>
<context>
    <name>QRCodeDynamicStyleDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Variable QR code</translation>
    </message>
    <message>
        <source>计数器类型</source>
        <translation>Counter type</translation>
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
        <translation>Time setting</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>diagramTextItem</name>
    <message>
        <source>Input text</source>
        <translation>Input text</translation>
    </message>
</context>
</TS>
