<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name>AccessControl</name>
    <message>
        <source>%1 was signed out: no input for %2 minutes.</source>
        <translation>%1 已注销：%2 分钟无操作。</translation>
    </message>
    <message>
        <source>&lt;a href="users"&gt;Users&lt;/a&gt;</source>
        <translation>&lt;a href="users"&gt;用户&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Nobody can sign in: see the event log</source>
        <translation>无人可登录：请查看事件日志</translation>
    </message>
    <message>
        <source>Nobody signed in · &lt;a href="signin"&gt;Sign in&lt;/a&gt;</source>
        <translation>无人登录 · &lt;a href="signin"&gt;登录&lt;/a&gt;</translation>
    </message>
    <message>
        <source>%1 (%2) · &lt;a href="signout"&gt;Sign out&lt;/a&gt;</source>
        <translation>%1（%2）· &lt;a href="signout"&gt;注销&lt;/a&gt;</translation>
    </message>
    <message>
        <source> · &lt;a href="users"&gt;Users&lt;/a&gt;</source>
        <translation> · &lt;a href="users"&gt;用户&lt;/a&gt;</translation>
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
        <translation>内容</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Edit the content line by line</source>
        <translation>逐行编辑内容</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>高度</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>缩放</translation>
    </message>
    <message>
        <source>Tenths: 20 is scale 2.0</source>
        <translation>十分之一：20 表示 2.0 倍</translation>
    </message>
    <message>
        <source>Show Text</source>
        <translation>显示文本</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>尺寸</translation>
    </message>
    <message>
        <source>Data Mode</source>
        <translation>数据模式</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>标准</translation>
    </message>
    <message>
        <source>GS1</source>
        <translation>GS1</translation>
    </message>
    <message>
        <source>External Data</source>
        <translation>外部数据</translation>
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
        <translation>二维码 (ISO 18004)</translation>
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
        <translation>插入字段</translation>
    </message>
</context>
<context>
    <name>BatchRecordPdf</name>
    <message>
        <source>the message is too large to draw</source>
        <translation>信息太大，无法绘制</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>无法写入 %1（%2）</translation>
    </message>
    <message>
        <source>Batch record of job %1</source>
        <translation>作业 %1 的批记录</translation>
    </message>
    <message>
        <source>Batch record: job %1</source>
        <translation>批记录：作业 %1</translation>
    </message>
    <message>
        <source>Product: %1 %2</source>
        <translation>产品：%1 %2</translation>
    </message>
    <message>
        <source>Order: %1    Lot: %2</source>
        <translation>订单：%1    批号：%2</translation>
    </message>
    <message>
        <source>Started: %1 by %2</source>
        <translation>开始：%1，操作人 %2</translation>
    </message>
    <message>
        <source>Ended: not yet</source>
        <translation>结束：尚未结束</translation>
    </message>
    <message>
        <source>Ended: %1 by %2</source>
        <translation>结束：%1，操作人 %2</translation>
    </message>
    <message>
        <source>Field values</source>
        <translation>字段值</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>模板</translation>
    </message>
    <message>
        <source>%1, SHA-256 %2</source>
        <translation>%1，SHA-256 %2</translation>
    </message>
    <message>
        <source>Signature: %1</source>
        <translation>签名：%1</translation>
    </message>
    <message>
        <source>Message sent</source>
        <translation>已发送信息</translation>
    </message>
    <message>
        <source>SHA-256 %1</source>
        <translation>SHA-256 %1</translation>
    </message>
    <message>
        <source>(no picture: the message sent is no longer in the folder of jobs)</source>
        <translation>（无图片：已发送信息已不在作业文件夹中）</translation>
    </message>
    <message>
        <source>(no picture: %1)</source>
        <translation>（无图片：%1）</translation>
    </message>
    <message>
        <source>Coders</source>
        <translation>喷码机</translation>
    </message>
    <message>
        <source>%1 %2: %3 at %4; read back %5</source>
        <translation>%1 %2：%3，时间 %4；读回 %5</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>无</translation>
    </message>
    <message>
        <source>    started %1, stopped %2</source>
        <translation>    开始 %1，停止 %2</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>无法写入 %1</translation>
    </message>
    <message>
        <source>Code readers</source>
        <translation>读码器</translation>
    </message>
    <message>
        <source>%1, reader %2: %3 good, %4 bad, %5 no read, %6 not compared</source>
        <translation>%1，读码器 %2：正确 %3，错误 %4，未读出 %5，未比较 %6</translation>
    </message>
    <message>
        <source>Challenge test of %1, reader %2, %3 at %4 by %5 after %6 reads%7</source>
        <translation>%1 的挑战测试，读码器 %2，%4 %3，由 %5 执行，读取 %6 次后%7</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>通过</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>未通过</translation>
    </message>
</context>
<context>
    <name>BatchRecordsDialog</name>
    <message>
        <source>Batch records</source>
        <translation>批记录</translation>
    </message>
    <message>
        <source>From</source>
        <translation>从</translation>
    </message>
    <message>
        <source>yyyy-MM-dd</source>
        <translation>yyyy-MM-dd</translation>
    </message>
    <message>
        <source>To</source>
        <translation>到</translation>
    </message>
    <message>
        <source>Lot</source>
        <translation>批号</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>查找</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>作业</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>产品</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>订单</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>结束</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>导出 CSV...</translation>
    </message>
    <message>
        <source>Export PDF...</source>
        <translation>导出 PDF...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message numerus="yes">
        <source>%n jobs</source>
        <translation>
            <numerusform>%n 个作业</numerusform>
        </translation>
    </message>
    <message>
        <source>The batch records cannot be read: %1</source>
        <translation>无法读取批记录：%1</translation>
    </message>
    <message>
        <source>Template %1: %2
Message sent: SHA-256 %3</source>
        <translation>模板 %1：%2
已发送信息：SHA-256 %3</translation>
    </message>
    <message>
        <source>run without an approval</source>
        <translation>未经审批运行</translation>
    </message>
    <message>
        <source>Export the batch record</source>
        <translation>导出批记录</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV 文件 (*.csv);;所有文件 (*)</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>无法写入 %1（%2）</translation>
    </message>
    <message>
        <source>PDF files (*.pdf);;All files (*)</source>
        <translation>PDF 文件 (*.pdf);;所有文件 (*)</translation>
    </message>
</context>
<context>
    <name>ChangeMyDeviceBtnRemarkNameDialog</name>
    <message>
        <source>Remark Name</source>
        <translation>备注名</translation>
    </message>
    <message>
        <source>Change Name</source>
        <translation>修改名称</translation>
    </message>
</context>
<context>
    <name>CoderListModel</name>
    <message>
        <source>printing</source>
        <translation>打印中</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>已停止</translation>
    </message>
    <message>
        <source>IP: %1</source>
        <translation>IP: %1</translation>
    </message>
    <message>
        <source>Remark name: %1</source>
        <translation>备注名：%1</translation>
    </message>
    <message>
        <source>State: %1</source>
        <translation>状态：%1</translation>
    </message>
    <message>
        <source>Current file: %1</source>
        <translation>当前文件：%1</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>Job: %1</source>
        <translation>任务：%1</translation>
    </message>
    <message>
        <source>Lot: %1</source>
        <translation>批号：%1</translation>
    </message>
    <message>
        <source>Job state: %1</source>
        <translation>任务状态：%1</translation>
    </message>
    <message>
        <source>Line: %1</source>
        <translation>产线：%1</translation>
    </message>
    <message>
        <source>Not heard of: the last values known</source>
        <translation>无消息：最后已知的值</translation>
    </message>
</context>
<context>
    <name>CommandJournal</name>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>%1 is not saved: the journal cannot be written (%2).</source>
        <translation>%1 未保存：无法写入日志（%2）。</translation>
    </message>
    <message>
        <source>%1 was saved, but: %2</source>
        <translation>%1 已保存，但：%2</translation>
    </message>
    <message>
        <source>The journal cannot be used: %1</source>
        <translation>无法使用日志：%1</translation>
    </message>
    <message>
        <source>Not done: its journal line cannot be written (%1)</source>
        <translation>未执行：无法写入其日志行（%1）</translation>
    </message>
    <message>
        <source>Not in the journal (%1): %2</source>
        <translation>未记入日志（%1）：%2</translation>
    </message>
    <message>
        <source>%1, %2 bytes, SHA-256 %3</source>
        <translation>%1，%2 字节，SHA-256 %3</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>未更改</translation>
    </message>
    <message>
        <source>%1, SHA-256 %2 → %3</source>
        <translation>%1，SHA-256 %2 → %3</translation>
    </message>
    <message>
        <source>%1 cut-off line(s) recorded</source>
        <translation>已记录 %1 行截断行</translation>
    </message>
    <message>
        <source>%1 line(s) that are no journal lines recorded</source>
        <translation>已记录 %1 行非日志行</translation>
    </message>
    <message>
        <source>line %1 changed after its head named it</source>
        <translation>第 %1 行在头部记录后被更改</translation>
    </message>
    <message>
        <source>lines %1 to %2 never named by the head</source>
        <translation>第 %1 至 %2 行从未被头部记录</translation>
    </message>
    <message>
        <source>head %1</source>
        <translation>头部 %1</translation>
    </message>
    <message>
        <source>first administrator %1</source>
        <translation>第一个管理员 %1</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 分钟</translation>
    </message>
    <message>
        <source>over %1, broker account %2, user as claimed</source>
        <translation>经 %1，代理账户 %2，自称用户</translation>
    </message>
    <message>
        <source>over %1, broker account %2</source>
        <translation>经 %1，代理账户 %2</translation>
    </message>
</context>
<context>
    <name>CommandText</name>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Print parameters</source>
        <translation>打印参数</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Remark name</source>
        <translation>备注名</translation>
    </message>
    <message>
        <source>over MQTT</source>
        <translation>经 MQTT</translation>
    </message>
    <message>
        <source>claimed user %1</source>
        <translation>自称用户 %1</translation>
    </message>
    <message>
        <source>sent unchanged</source>
        <translation>未更改即发送</translation>
    </message>
    <message>
        <source>no coder</source>
        <translation>无喷码机</translation>
    </message>
    <message>
        <source>%1 coders</source>
        <translation>%1 台喷码机</translation>
    </message>
    <message>
        <source>%1 sent to %2</source>
        <translation>%1 已发送到 %2</translation>
    </message>
    <message>
        <source>Print parameters sent to %1 (its own were not reported before)</source>
        <translation>打印参数已发送到 %1（之前未报告其参数）</translation>
    </message>
    <message>
        <source>Print parameters of %1: %2</source>
        <translation>%1 的打印参数：%2</translation>
    </message>
    <message>
        <source>Port changed from %1 to %2</source>
        <translation>端口已从 %1 改为 %2</translation>
    </message>
    <message>
        <source>Remark name of %1 removed (was %2)</source>
        <translation>已删除 %1 的备注名（原为 %2）</translation>
    </message>
    <message>
        <source>%1 named %2</source>
        <translation>%1 已命名为 %2</translation>
    </message>
    <message>
        <source>%1 renamed from %2 to %3</source>
        <translation>%1 已从 %2 改名为 %3</translation>
    </message>
</context>
<context>
    <name>ControlStatusBar</name>
    <message>
        <source>Listening on port %1</source>
        <translation>正在监听端口 %1</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>未监听</translation>
    </message>
    <message numerus="yes">
        <source>%n coder(s) connected</source>
        <translation>
            <numerusform>已连接 %n 台喷码机</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DesignHistory</name>
    <message>
        <source>content</source>
        <translation>内容</translation>
    </message>
    <message>
        <source>external data</source>
        <translation>外部数据</translation>
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
        <translation>旋转</translation>
    </message>
    <message>
        <source>font</source>
        <translation>字体</translation>
    </message>
    <message>
        <source>font size</source>
        <translation>字号</translation>
    </message>
    <message>
        <source>letter spacing</source>
        <translation>字间距</translation>
    </message>
    <message>
        <source>bold</source>
        <translation>粗体</translation>
    </message>
    <message>
        <source>italic</source>
        <translation>斜体</translation>
    </message>
    <message>
        <source>underline</source>
        <translation>下划线</translation>
    </message>
    <message>
        <source>format</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>valid days</source>
        <translation>有效天数</translation>
    </message>
    <message>
        <source>counter</source>
        <translation>计数器</translation>
    </message>
    <message>
        <source>base</source>
        <translation>进制</translation>
    </message>
    <message>
        <source>digits</source>
        <translation>位数</translation>
    </message>
    <message>
        <source>fill character</source>
        <translation>填充字符</translation>
    </message>
    <message>
        <source>symbology</source>
        <translation>码制</translation>
    </message>
    <message>
        <source>height</source>
        <translation>高度</translation>
    </message>
    <message>
        <source>scale</source>
        <translation>缩放</translation>
    </message>
    <message>
        <source>text line</source>
        <translation>文本行</translation>
    </message>
    <message>
        <source>size</source>
        <translation>尺寸</translation>
    </message>
    <message>
        <source>data mode</source>
        <translation>数据模式</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>图片</translation>
    </message>
    <message>
        <source>shift table</source>
        <translation>班次表</translation>
    </message>
    <message>
        <source>properties</source>
        <translation>属性</translation>
    </message>
    <message>
        <source>best before of the product</source>
        <translation>产品的保质期</translation>
    </message>
</context>
<context>
    <name>DesignTemplate</name>
    <message>
        <source>the catalogue is not open</source>
        <translation>目录未打开</translation>
    </message>
    <message>
        <source>%1: %2 by %3 (unsigned: users are off), %4</source>
        <translation>%1：%2，%3（未签名：用户功能关闭），%4</translation>
    </message>
    <message>
        <source>%1: %2, signed by %3, %4</source>
        <translation>%1：%2，签名人 %3，%4</translation>
    </message>
    <message>
        <source>%1: not approved</source>
        <translation>%1：未批准</translation>
    </message>
    <message>
        <source>%1: approval unknown (%2)</source>
        <translation>%1：批准状态未知（%2）</translation>
    </message>
    <message>
        <source>The template of %1. The version a save writes must be signed before a job may run it.</source>
        <translation>%1 的模板。保存写入的版本须经签名后任务才能使用。</translation>
    </message>
</context>
<context>
    <name>DesignUndo</name>
    <message>
        <source>Text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>图片</translation>
    </message>
    <message>
        <source>Barcode</source>
        <translation>条码</translation>
    </message>
    <message>
        <source>Shift code</source>
        <translation>班次码</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>项目</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>添加%1</translation>
    </message>
    <message numerus="yes">
        <source>Add %n item(s)</source>
        <translation>
            <numerusform>添加 %n 个项目</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n item(s)</source>
        <translation>
            <numerusform>删除 %n 个项目</numerusform>
        </translation>
    </message>
    <message>
        <source>Move %1</source>
        <translation>移动%1</translation>
    </message>
    <message numerus="yes">
        <source>Move %n item(s)</source>
        <translation>
            <numerusform>移动 %n 个项目</numerusform>
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
        <translation>没有名为"%1"的喷码机的文件夹</translation>
    </message>
    <message>
        <source>%1 leads through a link; no folder is made</source>
        <translation>%1 经过链接；不创建文件夹</translation>
    </message>
    <message>
        <source>cannot create folder %1</source>
        <translation>无法创建文件夹 %1</translation>
    </message>
    <message>
        <source>unsafe file name "%1" refused</source>
        <translation>已拒绝不安全的文件名"%1"</translation>
    </message>
    <message>
        <source>file name of %1 bytes refused, at most %2</source>
        <translation>已拒绝 %1 字节的文件名，最多 %2</translation>
    </message>
    <message>
        <source>%1 leads through a link; nothing is written</source>
        <translation>%1 经过链接；未写入任何内容</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
</context>
<context>
    <name>DeviceListPanel</name>
    <message>
        <source>Filter: name, IP, state</source>
        <translation>筛选：名称、IP、状态</translation>
    </message>
    <message>
        <source>Compact rows</source>
        <translation>紧凑行</translation>
    </message>
    <message>
        <source>%1 %2: click to show only them</source>
        <translation>%1 %2：点击只显示这些</translation>
    </message>
    <message>
        <source>Remark Name</source>
        <translation>备注名</translation>
    </message>
</context>
<context>
    <name>EditWidget</name>
    <message>
        <source>Editor</source>
        <translation>编辑器</translation>
    </message>
    <message>
        <source>MainWindow</source>
        <translation>主页</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>SN</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>图片</translation>
    </message>
    <message>
        <source>Barcode</source>
        <translation>条码</translation>
    </message>
    <message>
        <source>Shiftcode</source>
        <translation>班次码</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>View</source>
        <translation>视图</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Zoom in (Ctrl+wheel up)</source>
        <translation>放大（Ctrl+滚轮向上）</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>缩小</translation>
    </message>
    <message>
        <source>Zoom out (Ctrl+wheel down)</source>
        <translation>缩小（Ctrl+滚轮向下）</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>适应窗口</translation>
    </message>
    <message>
        <source>Fit the message to the window</source>
        <translation>使信息适应窗口</translation>
    </message>
    <message>
        <source>1:1</source>
        <translation>1:1</translation>
    </message>
    <message>
        <source>One screen pixel per dot</source>
        <translation>每个点一个屏幕像素</translation>
    </message>
    <message>
        <source>Preview at</source>
        <translation>预览时间</translation>
    </message>
    <message>
        <source>What the message prints at a chosen date, time and shift</source>
        <translation>信息在所选日期、时间和班次打印的内容</translation>
    </message>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>高级</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>撤销：%1</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>没有可撤销的操作</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>重做：%1</translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation>没有可重做的操作</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>保存文件</translation>
    </message>
    <message>
        <source>Spray Files (*.spr)</source>
        <translation>Spray 文件 (*.spr)</translation>
    </message>
    <message>
        <source>the new message</source>
        <translation>新信息</translation>
    </message>
    <message>
        <source>The message has been changed.
Do you want to save your changes?</source>
        <translation>信息已更改。
是否保存更改？</translation>
    </message>
</context>
<context>
    <name>FieldMenu</name>
    <message>
        <source>Insert field</source>
        <translation>插入字段</translation>
    </message>
    <message>
        <source>Insert a placeholder that a job fills</source>
        <translation>插入由任务填写的占位符</translation>
    </message>
</context>
<context>
    <name>Fleet</name>
    <message>
        <source>Copy for coder %1 failed: %2</source>
        <translation>喷码机 %1 的副本保存失败：%2</translation>
    </message>
    <message>
        <source>Listening for coders on port %1</source>
        <translation>正在端口 %1 上等待喷码机连接</translation>
    </message>
    <message>
        <source>Cannot listen on port %1: %2. No coder can connect; choose another port and press "Built".</source>
        <translation>无法监听端口 %1：%2。喷码机无法连接；请选择其他端口并点击"启用端口"。</translation>
    </message>
    <message>
        <source>Cannot listen on port %1: %2.</source>
        <translation>无法监听端口 %1：%2。</translation>
    </message>
    <message>
        <source>Back to port %1.</source>
        <translation>已恢复端口 %1。</translation>
    </message>
    <message>
        <source>Cannot read %1: %2. Nothing was sent.</source>
        <translation>无法读取 %1：%2。未发送任何内容。</translation>
    </message>
    <message>
        <source>Not a plain file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB</source>
        <translation>文件大于 %1 MiB</translation>
    </message>
    <message>
        <source>Cannot send %1: %2. Nothing was sent.</source>
        <translation>无法发送 %1：%2。未发送任何内容。</translation>
    </message>
    <message>
        <source>Coder %1 was dropped before it took %2.</source>
        <translation>喷码机 %1 在接收 %2 之前断开。</translation>
    </message>
    <message>
        <source>Coder %1 did not report its message after %2 was sent: not verified.</source>
        <translation>发送 %2 后喷码机 %1 未报告其信息：未核实。</translation>
    </message>
    <message>
        <source>A remark name cannot hold control characters. The name stays as it was.</source>
        <translation>备注名不能包含控制字符。名称保持不变。</translation>
    </message>
    <message>
        <source>%1: no coder chosen; nothing was sent.</source>
        <translation>%1：未选择喷码机；未发送任何内容。</translation>
    </message>
    <message>
        <source>Not started: %1 Nothing was sent.</source>
        <translation>未启动：%1 未发送任何内容。</translation>
    </message>
    <message>
        <source>%1. The port stays as it was.</source>
        <translation>%1。端口保持不变。</translation>
    </message>
    <message>
        <source>%1. The name stays as it was.</source>
        <translation>%1。名称保持不变。</translation>
    </message>
    <message>
        <source>%1. Nothing was sent.</source>
        <translation>%1。未发送任何内容。</translation>
    </message>
    <message>
        <source>Coder %1 was dropped before it took the command.</source>
        <translation>喷码机 %1 在接收命令之前断开。</translation>
    </message>
    <message>
        <source>Coder %1 connected</source>
        <translation>喷码机 %1 已连接</translation>
    </message>
    <message>
        <source>Coder %1 disconnected</source>
        <translation>喷码机 %1 已断开</translation>
    </message>
    <message>
        <source>Current file of coder %1 not stored: %2</source>
        <translation>喷码机 %1 的当前文件未保存：%2</translation>
    </message>
    <message>
        <source>Coder %1 holds another message than was sent: sent %2 (SHA-256 %3), holds %4 (SHA-256 %5).</source>
        <translation>喷码机 %1 中的信息与发送的不同：发送 %2（SHA-256 %3），实际 %4（SHA-256 %5）。</translation>
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
        <translation>旋转</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>字体</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>字号</translation>
    </message>
    <message>
        <source>Text Space</source>
        <translation>字间距</translation>
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
        <translation>帮助</translation>
    </message>
    <message>
        <source>Operator's Manual</source>
        <translation>操作员手册</translation>
    </message>
    <message>
        <source>The operator's manual is not installed (looked in %1).</source>
        <translation>未安装操作员手册（已在 %1 中查找）。</translation>
    </message>
    <message>
        <source>The operator's manual could not be opened: no browser took %1.</source>
        <translation>无法打开操作员手册：没有浏览器打开 %1。</translation>
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
        <translation>选择图片</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>宽度</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>高度</translation>
    </message>
    <message>
        <source>Images (%1)</source>
        <translation>图片 (%1)</translation>
    </message>
</context>
<context>
    <name>InterfaceLanguage</name>
    <message>
        <source>[window] language "%1" is none of %2; the desktop's language is used.</source>
        <translation>[window] language "%1" 不在 %2 之中；使用桌面语言。</translation>
    </message>
</context>
<context>
    <name>JobScan</name>
    <message>
        <source>Scan the packaging on the line: a job of %1 starts only when it shows GTIN %2.</source>
        <translation>请扫描产线上的包装：只有包装显示 GTIN %2 时，%1 的任务才能开始。</translation>
    </message>
    <message>
        <source>%1 (character %2)</source>
        <translation>%1（第 %2 个字符）</translation>
    </message>
    <message>
        <source>The scan holds no GTIN (01): %1</source>
        <translation>扫描内容不含 GTIN (01)：%1</translation>
    </message>
    <message>
        <source>No product has the GTIN %1.</source>
        <translation>没有 GTIN 为 %1 的产品。</translation>
    </message>
    <message>
        <source>Lot %1 from the scan.</source>
        <translation>批号 %1 取自扫描。</translation>
    </message>
    <message>
        <source>Production date %1 from the scan.</source>
        <translation>生产日期 %1 取自扫描。</translation>
    </message>
    <message>
        <source>the best-before date (15) %1</source>
        <translation>最佳食用日期 (15) %1</translation>
    </message>
    <message>
        <source>the expiry date (17) %1</source>
        <translation>有效期至 (17) %1</translation>
    </message>
    <message>
        <source>Check the packaging: %1 is not %2, which the shelf life of %3 (%4) gives.</source>
        <translation>请检查包装：%1 不是按 %3 的保质期（%4）得出的 %2。</translation>
    </message>
    <message>
        <source>Packaging confirmed: GTIN %1.</source>
        <translation>包装已确认：GTIN %1。</translation>
    </message>
    <message>
        <source>The packaging scanned (GTIN %1) is not that of %2 (GTIN %3): the job does not start.</source>
        <translation>扫描的包装（GTIN %1）不是 %2（GTIN %3）的包装：任务不会开始。</translation>
    </message>
</context>
<context>
    <name>JobsPanel</name>
    <message>
        <source>Jobs</source>
        <translation>任务</translation>
    </message>
    <message>
        <source>Search products by code, GTIN or name</source>
        <translation>按代码、GTIN 或名称搜索产品</translation>
    </message>
    <message>
        <source>GTIN</source>
        <translation>GTIN</translation>
    </message>
    <message>
        <source>Type or scan the GTIN, then Enter</source>
        <translation>输入或扫描 GTIN，然后按 Enter</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>产品</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>订单</translation>
    </message>
    <message>
        <source>Lot</source>
        <translation>批号</translation>
    </message>
    <message>
        <source>Start job</source>
        <translation>开始任务</translation>
    </message>
    <message>
        <source>Start printing</source>
        <translation>开始打印</translation>
    </message>
    <message>
        <source>End job</source>
        <translation>结束任务</translation>
    </message>
    <message>
        <source>This window runs no jobs: it has no catalogue.</source>
        <translation>此窗口不运行任务：没有产品目录。</translation>
    </message>
    <message>
        <source>The catalogue (%1) is not open; no job starts until it is.</source>
        <translation>产品目录（%1）未打开；打开前无法开始任务。</translation>
    </message>
    <message>
        <source>Products cannot be listed: %1</source>
        <translation>无法列出产品：%1</translation>
    </message>
    <message>
        <source>none chosen</source>
        <translation>未选择</translation>
    </message>
    <message>
        <source>YYYY-MM-DD</source>
        <translation>YYYY-MM-DD</translation>
    </message>
    <message>
        <source>Coders: none checked in the device list</source>
        <translation>喷码机：设备列表中未勾选</translation>
    </message>
    <message>
        <source>Coders: %1</source>
        <translation>喷码机：%1</translation>
    </message>
    <message>
        <source>Not allowed for this product: %1</source>
        <translation>不允许用于此产品：%1</translation>
    </message>
    <message>
        <source>Choose a product first.</source>
        <translation>请先选择产品。</translation>
    </message>
    <message>
        <source>Check the coders of the job in the device list first.</source>
        <translation>请先在设备列表中勾选任务的喷码机。</translation>
    </message>
    <message>
        <source>The job was not started: %1</source>
        <translation>任务未开始：%1</translation>
    </message>
    <message>
        <source>Job %1 started: %2, order %3, lot %4.</source>
        <translation>任务 %1 已开始：%2，订单 %3，批号 %4。</translation>
    </message>
    <message>
        <source>No job is running in this view.</source>
        <translation>此视图中没有正在运行的任务。</translation>
    </message>
    <message>
        <source>Not started: no coder of job %1 is verified.</source>
        <translation>未开始：任务 %1 没有已核实的喷码机。</translation>
    </message>
    <message>
        <source>Job %1 was not ended: %2</source>
        <translation>任务 %1 未结束：%2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>Job %1 ended.</source>
        <translation>任务 %1 已结束。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>a coder gone</source>
        <translation>已断开的喷码机</translation>
    </message>
    <message>
        <source>not in the job</source>
        <translation>不在任务中</translation>
    </message>
    <message>
        <source>sending</source>
        <translation>发送中</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>已核实</translation>
    </message>
    <message>
        <source>running</source>
        <translation>运行中</translation>
    </message>
    <message>
        <source>mismatch</source>
        <translation>不一致</translation>
    </message>
    <message>
        <source>not verified</source>
        <translation>未核实</translation>
    </message>
    <message>
        <source>Packaging</source>
        <translation>包装</translation>
    </message>
    <message>
        <source>Scan the packaging on the line, then Enter</source>
        <translation>扫描产线上的包装，然后按 Enter</translation>
    </message>
    <message numerus="yes">
        <source>%n batch-record write(s) wait for the catalogue; they are written in order when it is back.</source>
        <translation>
            <numerusform>%n 条批记录写入在等待产品目录；目录恢复后按顺序写入。</numerusform>
        </translation>
    </message>
    <message>
        <source>The job was not started: no line took it; the event log says why.</source>
        <translation>作业未启动：没有产线接受；原因见事件日志。</translation>
    </message>
</context>
<context>
    <name>JournalDock</name>
    <message>
        <source>Journal</source>
        <translation>日志</translation>
    </message>
    <message>
        <source>Show or hide the journal of what was done</source>
        <translation>显示或隐藏操作日志</translation>
    </message>
</context>
<context>
    <name>JournalView</name>
    <message>
        <source>message sent</source>
        <translation>信息已发送</translation>
    </message>
    <message>
        <source>print parameters</source>
        <translation>打印参数</translation>
    </message>
    <message>
        <source>start</source>
        <translation>启动</translation>
    </message>
    <message>
        <source>stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>remark name</source>
        <translation>备注名</translation>
    </message>
    <message>
        <source>message saved</source>
        <translation>信息已保存</translation>
    </message>
    <message>
        <source>command failed</source>
        <translation>命令失败</translation>
    </message>
    <message>
        <source>journal recovered</source>
        <translation>日志已恢复</translation>
    </message>
    <message>
        <source>sign-in</source>
        <translation>登录</translation>
    </message>
    <message>
        <source>sign-in refused</source>
        <translation>登录被拒绝</translation>
    </message>
    <message>
        <source>sign-out</source>
        <translation>注销</translation>
    </message>
    <message>
        <source>users on</source>
        <translation>启用用户</translation>
    </message>
    <message>
        <source>users off</source>
        <translation>停用用户</translation>
    </message>
    <message>
        <source>user set</source>
        <translation>设置用户</translation>
    </message>
    <message>
        <source>user removed</source>
        <translation>删除用户</translation>
    </message>
    <message>
        <source>idle time</source>
        <translation>空闲时间</translation>
    </message>
    <message>
        <source>administrator created</source>
        <translation>已创建管理员</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>User</source>
        <translation>用户</translation>
    </message>
    <message>
        <source>PC</source>
        <translation>电脑</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Coders</source>
        <translation>喷码机</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>详情</translation>
    </message>
    <message>
        <source>%1 (claimed)</source>
        <translation>%1（自称）</translation>
    </message>
    <message>
        <source>Coder: IP or name</source>
        <translation>喷码机：IP 或名称</translation>
    </message>
    <message>
        <source>All users</source>
        <translation>所有用户</translation>
    </message>
    <message>
        <source>All actions</source>
        <translation>所有操作</translation>
    </message>
    <message>
        <source>From</source>
        <translation>从</translation>
    </message>
    <message>
        <source>to</source>
        <translation>到</translation>
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
        <translation>主页</translation>
    </message>
    <message>
        <source>Apply Print Parameter</source>
        <translation>应用打印参数</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Multi Select</source>
        <translation>多选</translation>
    </message>
    <message>
        <source>Server Port</source>
        <translation>服务器端口</translation>
    </message>
    <message>
        <source>Built</source>
        <translation>启用端口</translation>
    </message>
    <message>
        <source>File Manage</source>
        <translation>文件管理</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>设备列表</translation>
    </message>
    <message>
        <source>File List</source>
        <translation>文件列表</translation>
    </message>
    <message>
        <source>Print parameters not loaded: %1</source>
        <translation>未加载打印参数：%1</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>You must select a file! </source>
        <translation>请选择一个文件！</translation>
    </message>
    <message>
        <source>%1 was not sent: the pre-flight check found problems.</source>
        <translation>%1 未发送：预检发现问题。</translation>
    </message>
    <message>
        <source>"%1" is not a port: enter a number from 1 to 65535. The server keeps running as it was.</source>
        <translation>"%1" 不是端口：请输入 1 到 65535 之间的数字。服务器照常运行。</translation>
    </message>
    <message>
        <source>Jobs</source>
        <translation>任务</translation>
    </message>
    <message>
        <source>Show or hide the jobs view</source>
        <translation>显示或隐藏任务视图</translation>
    </message>
</context>
<context>
    <name>MessageFile</name>
    <message>
        <source>Can not find the extern data file!</source>
        <translation>找不到外部数据文件！</translation>
    </message>
    <message>
        <source>The columns in the file don't match the extern items you create!</source>
        <translation>文件中的列与所建的外部数据项不匹配！</translation>
    </message>
    <message>
        <source>Unknown Error!</source>
        <translation>未知错误！</translation>
    </message>
    <message>
        <source>The extern data file is a device or a pipe, not a plain file!</source>
        <translation>外部数据文件是设备或管道，不是普通文件！</translation>
    </message>
    <message>
        <source>The extern data file is larger than %1 MiB!</source>
        <translation>外部数据文件大于 %1 MiB！</translation>
    </message>
    <message>
        <source>The extern data file has a line longer than %1 bytes!</source>
        <translation>外部数据文件中有超过 %1 字节的行！</translation>
    </message>
    <message>
        <source>Qt Drawing</source>
        <translation>信息文件</translation>
    </message>
    <message>
        <source>t</source>
        <translation>数据文件</translation>
    </message>
    <message>
        <source>Cannot write file %1:
%2.</source>
        <translation>无法写入文件 %1：
%2。</translation>
    </message>
    <message>
        <source>Cannot read print file %1:
%2.</source>
        <translation>无法读取打印文件 %1：
%2。</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB</source>
        <translation>文件大于 %1 MiB</translation>
    </message>
    <message>
        <source>Not a plain file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>File %1 is empty.</source>
        <translation>文件 %1 为空。</translation>
    </message>
</context>
<context>
    <name>MessagePreview</name>
    <message>
        <source>Current message of %1</source>
        <translation>%1 的当前信息</translation>
    </message>
    <message>
        <source>Current message of %1 (%2)</source>
        <translation>%1（%2）的当前信息</translation>
    </message>
    <message>
        <source>Current message of coder %1: %2</source>
        <translation>喷码机 %1 的当前信息：%2</translation>
    </message>
    <message>
        <source>%1, read back %2</source>
        <translation>%1，%2 已回读</translation>
    </message>
    <message>
        <source>%1, read back %2: not the message sent
sent SHA-256 %3
held SHA-256 %4</source>
        <translation>%1，%2 已回读：不是所发送的信息
发送的 SHA-256 %3
喷码机中的 SHA-256 %4</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>%1: no read-back since %2 (sent SHA-256 %3)</source>
        <translation>%1：自 %2 起未回读（发送的 SHA-256 %3）</translation>
    </message>
    <message>
        <source>%1, waiting for the read-back</source>
        <translation>%1，等待回读</translation>
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
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>Preflight</name>
    <message>
        <source>left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>top</source>
        <translation>上</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>下</translation>
    </message>
    <message>
        <source>Reaches past the %1 edge of the print area: that part is not printed.</source>
        <translation>超出打印区域的%1边缘：该部分不会打印。</translation>
    </message>
    <message>
        <source> and </source>
        <translation>和</translation>
    </message>
    <message>
        <source>Lies on the band of head %1, which the head mask leaves out: that part is not printed.</source>
        <translation>位于喷头 %1 的区域，而喷头掩码未启用该喷头：该部分不会打印。</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message>
        <source>The content is more than the symbol holds at its size: %1</source>
        <translation>内容超出该尺寸码的容量：%1</translation>
    </message>
    <message>
        <source>The GS1 data is refused: %1</source>
        <translation>GS1 数据被拒绝：%1</translation>
    </message>
    <message>
        <source>The content cannot be encoded: %1</source>
        <translation>内容无法编码：%1</translation>
    </message>
    <message>
        <source>A module is %1 dots wide, not a whole number of dots: the coder prints bars of uneven width. Choose a scale whose module is whole dots.</source>
        <translation>模块宽 %1 点，不是整数点：喷码机会打印宽度不均的条。请选择模块为整数点的缩放。</translation>
    </message>
    <message>
        <source>The font "%1" is neither installed nor in the fonts folder.</source>
        <translation>字体"%1"未安装，也不在字体文件夹中。</translation>
    </message>
    <message>
        <source>No picture was chosen: the placeholder would print.</source>
        <translation>未选择图片：将打印占位图。</translation>
    </message>
    <message>
        <source>The picture %1 is not in the picture folder.</source>
        <translation>图片 %1 不在图片文件夹中。</translation>
    </message>
    <message>
        <source>Text "%1"</source>
        <translation>文本"%1"</translation>
    </message>
    <message>
        <source>Date "%1"</source>
        <translation>日期"%1"</translation>
    </message>
    <message>
        <source>Serial number "%1"</source>
        <translation>序列号"%1"</translation>
    </message>
    <message>
        <source>Shift code "%1"</source>
        <translation>班次码"%1"</translation>
    </message>
    <message>
        <source>Barcode "%1"</source>
        <translation>条码"%1"</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>图片</translation>
    </message>
    <message>
        <source>Picture %1</source>
        <translation>图片 %1</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Data file</source>
        <translation>数据文件</translation>
    </message>
    <message>
        <source>The data file "%1" is not there: the data fields print nothing.</source>
        <translation>数据文件"%1"不存在：数据字段不会打印任何内容。</translation>
    </message>
    <message>
        <source>{{%1}} is neither a standard placeholder nor a field of the product: a job of it cannot fill it.</source>
        <translation>{{%1}} 既不是标准占位符，也不是该产品的字段：任务无法填写它。</translation>
    </message>
    <message>
        <source>{{%1}} is no standard placeholder: only a product with a field of that name can fill it.</source>
        <translation>{{%1}} 不是标准占位符：只有带此名称字段的产品才能填写它。</translation>
    </message>
    <message>
        <source>The field %1 ({{%2}}): %3.</source>
        <translation>字段 %1（{{%2}}）：%3。</translation>
    </message>
    <message>
        <source>Filled with %1: %2</source>
        <translation>以 %1 填写后：%2</translation>
    </message>
</context>
<context>
    <name>PreflightDialog</name>
    <message>
        <source>Pre-flight check</source>
        <translation>预检</translation>
    </message>
    <message>
        <source>1 problem</source>
        <translation>1 个问题</translation>
    </message>
    <message>
        <source>%1 problems</source>
        <translation>%1 个问题</translation>
    </message>
    <message>
        <source>The pre-flight check found %1 in %2 before it is sent:</source>
        <translation>预检在发送前发现 %2 中有 %1：</translation>
    </message>
    <message>
        <source>The pre-flight check found %1 in %2 before it is saved:</source>
        <translation>预检在保存前发现 %2 中有 %1：</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>项目</translation>
    </message>
    <message>
        <source>Finding</source>
        <translation>问题</translation>
    </message>
    <message>
        <source>Send anyway</source>
        <translation>仍然发送</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>仍然保存</translation>
    </message>
</context>
<context>
    <name>PrintParameterWidget</name>
    <message>
        <source>Print Parameters</source>
        <translation>打印参数</translation>
    </message>
    <message>
        <source>Print Head Offset(mm)</source>
        <translation>喷头偏移(mm)</translation>
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
        <translation>触发模式</translation>
    </message>
    <message>
        <source>Spray Mode</source>
        <translation>喷印模式</translation>
    </message>
    <message>
        <source>Dpi</source>
        <translation>分辨率(dpi)</translation>
    </message>
    <message>
        <source>Singal Interval</source>
        <translation>信号间隔</translation>
    </message>
    <message>
        <source>Print Head Set</source>
        <translation>喷头设置</translation>
    </message>
    <message>
        <source>Splice</source>
        <translation>拼接</translation>
    </message>
    <message>
        <source>Single Head Print Direct</source>
        <translation>单头打印方向</translation>
    </message>
    <message>
        <source>Print Direct</source>
        <translation>打印方向</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>正向</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>反向</translation>
    </message>
    <message>
        <source>Inverse</source>
        <translation>倒置</translation>
    </message>
    <message>
        <source>Rev/Inv</source>
        <translation>反向/倒置</translation>
    </message>
    <message>
        <source>Encoder</source>
        <translation>编码器</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>蜂鸣</translation>
    </message>
    <message>
        <source>Production Line Speed(m/min)</source>
        <translation>生产线速度(m/min)</translation>
    </message>
    <message>
        <source>PPR</source>
        <translation>PPR</translation>
    </message>
    <message>
        <source>Diameter(mm)</source>
        <translation>直径(mm)</translation>
    </message>
    <message>
        <source>Unknown (%1)</source>
        <translation>未知(%1)</translation>
    </message>
    <message>
        <source>Internal Singal</source>
        <translation>内部信号</translation>
    </message>
    <message>
        <source>External Singal</source>
        <translation>外部信号</translation>
    </message>
    <message>
        <source>Left Spary</source>
        <translation>左喷</translation>
    </message>
    <message>
        <source>Right Spary</source>
        <translation>右喷</translation>
    </message>
    <message>
        <source>Hight Quanlity</source>
        <translation>高质量</translation>
    </message>
    <message>
        <source>Hight Speed</source>
        <translation>高速</translation>
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
        <translation>已忽略参数回复：收到 %1 字节，参数块应为 %2 字节。</translation>
    </message>
</context>
<context>
    <name>PrintPreviewDialog</name>
    <message>
        <source>Preview at</source>
        <translation>预览时间</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>班次</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>计数</translation>
    </message>
    <message>
        <source>as now</source>
        <translation>同当前</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>现在</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>Copy the designer's message again</source>
        <translation>重新复制设计器中的信息</translation>
    </message>
    <message>
        <source>Next changes of the printed text</source>
        <translation>打印文本的下一次变化</translation>
    </message>
    <message>
        <source>When</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Boundary</source>
        <translation>边界</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>字段</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>之前</translation>
    </message>
    <message>
        <source>After</source>
        <translation>之后</translation>
    </message>
    <message>
        <source>(by the time)</source>
        <translation>（按时间）</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%1，自 %2 起</translation>
    </message>
    <message>
        <source>Changes every hour: %1</source>
        <translation>每小时变化：%1</translation>
    </message>
    <message>
        <source>Changes every minute: %1</source>
        <translation>每分钟变化：%1</translation>
    </message>
    <message>
        <source>Changes every second: %1</source>
        <translation>每秒变化：%1</translation>
    </message>
    <message numerus="yes">
        <source>Nothing in the message changes with the date within %n year(s).</source>
        <translation>
            <numerusform>%n 年内信息中没有随日期变化的内容。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PrintTimeline</name>
    <message>
        <source>Date %1 (%2)</source>
        <translation>日期 %1（%2）</translation>
    </message>
    <message>
        <source>Shift code %1</source>
        <translation>班次码 %1</translation>
    </message>
    <message>
        <source>midnight</source>
        <translation>午夜</translation>
    </message>
    <message>
        <source>month end</source>
        <translation>月末</translation>
    </message>
    <message>
        <source>29 February</source>
        <translation>2月29日</translation>
    </message>
    <message>
        <source>shift change</source>
        <translation>换班</translation>
    </message>
</context>
<context>
    <name>ProductsDialog</name>
    <message>
        <source>Products</source>
        <translation>产品</translation>
    </message>
    <message>
        <source>Search code, GTIN or name</source>
        <translation>搜索代码、GTIN 或名称</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>代码</translation>
    </message>
    <message>
        <source>GTIN</source>
        <translation>GTIN</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>上一页</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一页</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>模板</translation>
    </message>
    <message>
        <source>Approve...</source>
        <translation>审批...</translation>
    </message>
    <message>
        <source>Shelf life</source>
        <translation>保质期</translation>
    </message>
    <message>
        <source>30 days, 18 months, 18 months, end of month</source>
        <translation>30 days, 18 months, 18 months, end of month</translation>
    </message>
    <message>
        <source>Coders</source>
        <translation>喷码机</translation>
    </message>
    <message>
        <source>Line *; 127.0.0.*</source>
        <translation>Line *; 127.0.0.*</translation>
    </message>
    <message>
        <source>Job fields</source>
        <translation>作业字段</translation>
    </message>
    <message>
        <source>[{"name":"lot","label":"Lot","kind":"text","pattern":"[A-Z0-9]{4,10}","required":true}]</source>
        <translation>[{"name":"lot","label":"Lot","kind":"text","pattern":"[A-Z0-9]{4,10}","required":true}]</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Import CSV...</source>
        <translation>导入 CSV...</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>导出 CSV...</translation>
    </message>
    <message>
        <source>Batch records...</source>
        <translation>批记录...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV 文件 (*.csv);;所有文件 (*)</translation>
    </message>
    <message>
        <source>The products cannot be read: %1</source>
        <translation>无法读取产品：%1</translation>
    </message>
    <message>
        <source>no products</source>
        <translation>无产品</translation>
    </message>
    <message>
        <source>%1-%2 of %3</source>
        <translation>%1-%2，共 %3</translation>
    </message>
    <message>
        <source>new product</source>
        <translation>新产品</translation>
    </message>
    <message>
        <source>saved by %1, %2 (revision %3)</source>
        <translation>由 %1 保存，%2（修订 %3）</translation>
    </message>
    <message>
        <source>check digit good: %1</source>
        <translation>校验位正确：%1</translation>
    </message>
    <message>
        <source>%1 is not saved: %2</source>
        <translation>%1 未保存：%2</translation>
    </message>
    <message>
        <source>%1 saved.</source>
        <translation>%1 已保存。</translation>
    </message>
    <message>
        <source>Approve a template</source>
        <translation>审批模板</translation>
    </message>
    <message>
        <source>%1 approved.</source>
        <translation>%1 已审批。</translation>
    </message>
    <message>
        <source>Import products</source>
        <translation>导入产品</translation>
    </message>
    <message>
        <source>Nothing imported: %1</source>
        <translation>未导入任何内容：%1</translation>
    </message>
    <message>
        <source>%1 products imported, %2 rows refused.</source>
        <translation>已导入 %1 个产品，拒绝 %2 行。</translation>
    </message>
    <message>
        <source>line %1 (%2): %3</source>
        <translation>第 %1 行（%2）：%3</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>另有 %1 项</translation>
    </message>
    <message>
        <source>Columns ignored: %1</source>
        <translation>已忽略的列：%1</translation>
    </message>
    <message>
        <source>Export products</source>
        <translation>导出产品</translation>
    </message>
    <message>
        <source>Not exported: %1</source>
        <translation>未导出：%1</translation>
    </message>
    <message>
        <source>Products exported to %1.</source>
        <translation>产品已导出到 %1。</translation>
    </message>
    <message>
        <source>Confirming scan of the packaging required</source>
        <translation>需要扫描包装确认</translation>
    </message>
    <message>
        <source>A job of this product starts only after a scan of the packaging on the line shows the product's GTIN.</source>
        <translation>只有扫描产线上的包装显示本产品的 GTIN 后，本产品的任务才会开始。</translation>
    </message>
</context>
<context>
    <name>ProductsLink</name>
    <message>
        <source>Products</source>
        <translation>产品</translation>
    </message>
    <message>
        <source>Products, template approvals and batch records</source>
        <translation>产品、模板审批和批记录</translation>
    </message>
    <message>
        <source>The catalogue is not open (%1); it is tried again.</source>
        <translation>目录未打开（%1）；将重试。</translation>
    </message>
    <message>
        <source>the catalogue is not open</source>
        <translation>目录未打开</translation>
    </message>
    <message>
        <source>The save of %1 is not in the catalogue (%2): anyone may sign this version.</source>
        <translation>%1 的保存未记入目录（%2）：任何人都可签署此版本。</translation>
    </message>
</context>
<context>
    <name>ReaderAlarmBar</name>
    <message>
        <source>Sign in as a Supervisor to handle the code readers.</source>
        <translation>请以 Supervisor 身份登录以处理读码器。</translation>
    </message>
    <message>
        <source>Only a Supervisor or Administrator may acknowledge a reader alarm or start a challenge test; %1 is signed in as %2.</source>
        <translation>只有 Supervisor 或 Administrator 可以确认读码器报警或开始挑战测试；%1 以 %2 身份登录。</translation>
    </message>
    <message>
        <source>Reader alarm: %1</source>
        <translation>读码器报警：%1</translation>
    </message>
    <message>
        <source>Acknowledge</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>%1: challenge test running; let up to %2 wrong or missing codes pass</source>
        <translation>%1：挑战测试进行中；让最多 %2 个错误或缺失的代码通过</translation>
    </message>
    <message>
        <source>%1: No passed challenge test today</source>
        <translation>%1：今日无通过的挑战测试</translation>
    </message>
    <message>
        <source>Start challenge test</source>
        <translation>开始挑战测试</translation>
    </message>
</context>
<context>
    <name>RemoteJobs</name>
    <message>
        <source>%1 on %2</source>
        <translation>%2 上的 %1</translation>
    </message>
    <message>
        <source>a coder gone</source>
        <translation>已断开的喷码机</translation>
    </message>
    <message>
        <source>%1: its line is not heard of</source>
        <translation>%1：其产线无消息</translation>
    </message>
    <message>
        <source>%1: sent, its line has not taken it up</source>
        <translation>%1：已发送，其产线尚未接受</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Lot %1: job %2 runs on this PC's coders; sent to their lines for %3.</source>
        <translation>批次 %1：作业 %2 在本机的喷码机上运行；已为 %3 发送到其产线。</translation>
    </message>
    <message>
        <source>Lot %1: no coder of this PC; sent to their lines for %2.</source>
        <translation>批次 %1：本机无喷码机；已为 %2 发送到其产线。</translation>
    </message>
    <message>
        <source>Not started: no line says a coder of the job is verified.</source>
        <translation>未启动：没有产线报告作业的喷码机已验证。</translation>
    </message>
    <message>
        <source>The job of the lines' coders was not ended: %1</source>
        <translation>产线喷码机的作业未结束：%1</translation>
    </message>
</context>
<context>
    <name>RemoteLines</name>
    <message>
        <source>%1 for %2 on %3 not sent: %4</source>
        <translation>%3 上 %2 的 %1 未发送：%4</translation>
    </message>
    <message>
        <source>its line is not heard of</source>
        <translation>其产线无消息</translation>
    </message>
    <message>
        <source>this window follows no line</source>
        <translation>此窗口未关注任何产线</translation>
    </message>
    <message>
        <source>%1 sent to %2 on %3</source>
        <translation>%1 已发送到 %3 上的 %2</translation>
    </message>
    <message>
        <source>%1 for %2 on %3: %4</source>
        <translation>%3 上 %2 的 %1：%4</translation>
    </message>
    <message>
        <source>Job start</source>
        <translation>作业开始</translation>
    </message>
    <message>
        <source>Job end</source>
        <translation>作业结束</translation>
    </message>
</context>
<context>
    <name>Roles</name>
    <message>
        <source>Operator</source>
        <translation>操作员</translation>
    </message>
    <message>
        <source>Supervisor</source>
        <translation>主管</translation>
    </message>
    <message>
        <source>Administrator</source>
        <translation>管理员</translation>
    </message>
    <message>
        <source>start</source>
        <translation>启动</translation>
    </message>
    <message>
        <source>stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>send messages</source>
        <translation>发送信息</translation>
    </message>
    <message>
        <source>send a message despite its pre-flight findings</source>
        <translation>在预检有问题时仍发送信息</translation>
    </message>
    <message>
        <source>edit messages</source>
        <translation>编辑信息</translation>
    </message>
    <message>
        <source>change print parameters</source>
        <translation>修改打印参数</translation>
    </message>
    <message>
        <source>name coders</source>
        <translation>命名喷码机</translation>
    </message>
    <message>
        <source>change the port</source>
        <translation>修改端口</translation>
    </message>
    <message>
        <source>manage users</source>
        <translation>管理用户</translation>
    </message>
    <message>
        <source>change the journal's settings</source>
        <translation>修改日志设置</translation>
    </message>
    <message>
        <source>run jobs</source>
        <translation>运行任务</translation>
    </message>
    <message>
        <source>edit products</source>
        <translation>编辑产品</translation>
    </message>
    <message>
        <source>sign templates</source>
        <translation>签署模板</translation>
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
        <translation>计数器编号</translation>
    </message>
    <message>
        <source>System Base</source>
        <translation>进制</translation>
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
        <translation>位数</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>前缀</translation>
    </message>
    <message>
        <source>Counter%1</source>
        <translation>计数器%1</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Sign in to %1.</source>
        <translation>请登录后再%1。</translation>
    </message>
    <message>
        <source>Only a %1 may %2; %3 is signed in as %4.</source>
        <translation>只有%1可以%2；%3 以%4身份登录。</translation>
    </message>
    <message>
        <source>Users are on already.</source>
        <translation>用户已启用。</translation>
    </message>
    <message>
        <source>send messages outside a job</source>
        <translation>在任务之外发送信息</translation>
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
        <translation>班次码</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>内容</translation>
    </message>
    <message>
        <source>Time (24 hours)</source>
        <translation>时间（24 小时制）</translation>
    </message>
    <message>
        <source>HH:mm</source>
        <translation>HH:mm</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>代码</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Sign in</source>
        <translation>登录</translation>
    </message>
    <message>
        <source>User</source>
        <translation>用户</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Users are on: sign in to work with the coders.</source>
        <translation>已启用用户：请登录后操作喷码机。</translation>
    </message>
</context>
<context>
    <name>SignatureDialog</name>
    <message>
        <source>Approve a template</source>
        <translation>审批模板</translation>
    </message>
    <message>
        <source>User</source>
        <translation>用户</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>签名含义</translation>
    </message>
    <message>
        <source>You sign %1, SHA-256 %2: give your name and password again.</source>
        <translation>您正在签署 %1，SHA-256 %2：请再次输入用户名和密码。</translation>
    </message>
    <message>
        <source>Users are off: the approval of %1, SHA-256 %2, is recorded under the system login and marked unsigned.</source>
        <translation>已停用用户：%1（SHA-256 %2）的审批以系统登录名记录，并标记为未签名。</translation>
    </message>
</context>
<context>
    <name>Station</name>
    <message>
        <source>Cannot create the folder %1 in %2.</source>
        <translation>无法在 %2 中创建文件夹 %1。</translation>
    </message>
    <message>
        <source>%1 was not sent: it does not load as a message (%2).</source>
        <translation>%1 未发送：无法作为信息加载（%2）。</translation>
    </message>
    <message>
        <source>%1 was not sent: the pre-flight check found: %2</source>
        <translation>%1 未发送：预检发现：%2</translation>
    </message>
    <message>
        <source>%1 was not sent despite its findings: %2</source>
        <translation>%1 在忽略预检问题后仍未发送：%2</translation>
    </message>
</context>
<context>
    <name>StationSettings</name>
    <message>
        <source>not a plain file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>larger than %1 KiB</source>
        <translation>大于 %1 KiB</translation>
    </message>
    <message>
        <source>no such settings file</source>
        <translation>没有此设置文件</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>无法读取（%1）</translation>
    </message>
    <message>
        <source>[server] port must be a number from 1 to 65535, not "%1"</source>
        <translation>[server] port 必须是 1 到 65535 之间的数字，而不是"%1"</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <translation>无法读取 %1（%2）</translation>
    </message>
    <message>
        <source>%1 is a link; change the file it names</source>
        <translation>%1 是链接；请修改其指向的文件</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>无法写入 %1（%2）</translation>
    </message>
    <message>
        <source>The port holds until the program ends: %1.</source>
        <translation>端口设置仅在程序关闭前有效：%1。</translation>
    </message>
    <message>
        <source>The name holds until the program ends: %1.</source>
        <translation>名称仅在程序关闭前有效：%1。</translation>
    </message>
    <message>
        <source>The remark names of this account are used, but not yet kept in the settings: %1.</source>
        <translation>正在使用此账户的备注名，但尚未保存到设置中：%1。</translation>
    </message>
    <message>
        <source>[jobs] enabled must be true or false, not "%1"</source>
        <translation>[jobs] enabled 必须为 true 或 false，而不是 "%1"</translation>
    </message>
</context>
<context>
    <name>TemplateSamples</name>
    <message>
        <source>Lot</source>
        <translation>批号</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>订单</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>产品</translation>
    </message>
    <message>
        <source>GTIN</source>
        <translation>GTIN</translation>
    </message>
    <message>
        <source>Production date</source>
        <translation>生产日期</translation>
    </message>
    <message>
        <source>Best before</source>
        <translation>保质期至</translation>
    </message>
    <message>
        <source>no sample could be made that matches its pattern %1, so it is checked with "A1"</source>
        <translation>无法生成符合其模式 %1 的样例，因此用 "A1" 检查</translation>
    </message>
</context>
<context>
    <name>TemplateSigning</name>
    <message>
        <source>Approved for production</source>
        <translation>批准用于生产</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <translation>无法读取 %1（%2）</translation>
    </message>
    <message>
        <source>A signature needs its meaning.</source>
        <translation>签名需要填写含义。</translation>
    </message>
    <message>
        <source>Only the user signed in (%1) may sign here.</source>
        <translation>只有已登录的用户（%1）可以在此签名。</translation>
    </message>
    <message>
        <source>nobody</source>
        <translation>无人</translation>
    </message>
    <message>
        <source>Not signed: %1</source>
        <translation>未签名：%1</translation>
    </message>
    <message>
        <source>Not signed: only a Supervisor or an Administrator may approve templates.</source>
        <translation>未签名：只有主管或管理员可以审批模板。</translation>
    </message>
    <message>
        <source>The approval is stored, but not in the journal: %1</source>
        <translation>审批已保存，但未记入日志：%1</translation>
    </message>
    <message>
        <source>%1 by %2 (unsigned: users are off), %3, SHA-256 %4</source>
        <translation>%1，%2（未签名：已停用用户），%3，SHA-256 %4</translation>
    </message>
    <message>
        <source>%1, signed by %2, %3, SHA-256 %4</source>
        <translation>%1，签名人 %2，%3，SHA-256 %4</translation>
    </message>
    <message>
        <source>not approved: %1</source>
        <translation>未审批：%1</translation>
    </message>
    <message>
        <source>not approved (SHA-256 %1)</source>
        <translation>未审批（SHA-256 %1）</translation>
    </message>
    <message>
        <source>approval unknown: %1</source>
        <translation>审批状态未知：%1</translation>
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
        <translation>内容</translation>
    </message>
    <message>
        <source>External Data</source>
        <translation>外部数据</translation>
    </message>
    <message>
        <source>Insert field</source>
        <translation>插入字段</translation>
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
        <translation>时间格式</translation>
    </message>
    <message>
        <source>"yyyy" means year ,"MM" means month,"dd" means days.
e.g. "yyyy/MM/dd"  -&gt; "2021/05/20"

"hh" means hours ,"mm" means minutes,"ss" measn seconds.
e.g. ''hh:mm:ss" -&gt; "08:08:08"

Coustom date and other date format please see the instructions.</source>
        <translation>"yyyy" 表示年，"MM" 表示月，"dd" 表示日。
例如 "yyyy/MM/dd" -&gt; "2021/05/20"

"hh" 表示时，"mm" 表示分，"ss" 表示秒。
例如 "hh:mm:ss" -&gt; "08:08:08"

其他日期格式请参阅说明书。</translation>
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
        <translation>清除</translation>
    </message>
    <message>
        <source>Vaild Days</source>
        <translation>有效天数</translation>
    </message>
    <message>
        <source>Best before of the product</source>
        <translation>产品的保质期</translation>
    </message>
    <message>
        <source>In a product's template: a job gives this date the product's shelf life; the days above are what the designer shows meanwhile.</source>
        <translation>在产品模板中：任务会按产品的保质期设置此日期；上面的天数是设计器在此之前显示的值。</translation>
    </message>
</context>
<context>
    <name>UserStore</name>
    <message>
        <source>Nobody can sign in until an administrator runs "KorvexControl --create-admin NAME" in this folder.</source>
        <translation>在管理员于此文件夹中运行 "KorvexControl --create-admin NAME" 之前，任何人都无法登录。</translation>
    </message>
    <message>
        <source>The users file %1 %2. %3</source>
        <translation>用户文件 %1 %2。%3</translation>
    </message>
    <message>
        <source>is not a plain file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>无法读取</translation>
    </message>
    <message>
        <source>belongs to another account</source>
        <translation>属于其他账户</translation>
    </message>
    <message>
        <source>may be read or written by other accounts</source>
        <translation>可被其他账户读取或写入</translation>
    </message>
    <message>
        <source>is too large</source>
        <translation>过大</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>无法读取（%1）</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>已损坏</translation>
    </message>
    <message>
        <source>names no administrator</source>
        <translation>没有管理员</translation>
    </message>
    <message>
        <source>Cannot write %1: it is a link, which is not followed</source>
        <translation>无法写入 %1：它是链接，不会跟随</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>Cannot write %1: its permissions cannot be set</source>
        <translation>无法写入 %1：无法设置其权限</translation>
    </message>
    <message>
        <source>A user name cannot be empty.</source>
        <translation>用户名不能为空。</translation>
    </message>
    <message>
        <source>A user name has at most %1 characters.</source>
        <translation>用户名最多 %1 个字符。</translation>
    </message>
    <message>
        <source>A user name cannot begin or end with a space.</source>
        <translation>用户名不能以空格开头或结尾。</translation>
    </message>
    <message>
        <source>A user name cannot hold control characters.</source>
        <translation>用户名不能包含控制字符。</translation>
    </message>
    <message>
        <source>A user name cannot hold / or \.</source>
        <translation>用户名不能包含 / 或 \。</translation>
    </message>
    <message>
        <source>A password cannot be empty.</source>
        <translation>密码不能为空。</translation>
    </message>
    <message>
        <source>%1 is the last administrator.</source>
        <translation>%1 是最后一个管理员。</translation>
    </message>
    <message>
        <source>There is no user %1.</source>
        <translation>没有用户 %1。</translation>
    </message>
    <message>
        <source>%1 is locked for %2 more seconds after %3 wrong passwords.</source>
        <translation>%1 因 %3 次密码错误，还将锁定 %2 秒。</translation>
    </message>
    <message>
        <source>Wrong name or password. %1 is locked for a minute.</source>
        <translation>用户名或密码错误。%1 已锁定一分钟。</translation>
    </message>
    <message>
        <source>Wrong name or password.</source>
        <translation>用户名或密码错误。</translation>
    </message>
    <message>
        <source>%1 is a link to %2 that cannot be removed; nothing changed.</source>
        <translation>%1 是指向 %2 的链接，无法删除；未做任何更改。</translation>
    </message>
    <message>
        <source>%1 was a link to %2: the link is removed and %1 written anew; %2 is left as it was.</source>
        <translation>%1 曾是指向 %2 的链接：已删除链接并重新写入 %1；%2 保持不变。</translation>
    </message>
    <message>
        <source>%1 is not a plain file; nothing changed.</source>
        <translation>%1 不是普通文件；未做任何更改。</translation>
    </message>
    <message>
        <source>%1 cannot be read; nothing changed.</source>
        <translation>无法读取 %1；未做任何更改。</translation>
    </message>
    <message>
        <source>%1 belonged to another account, who could have put any user there: it is written anew without its users.</source>
        <translation>%1 属于其他账户，可能被放入任意用户：已重新写入，不含其用户。</translation>
    </message>
    <message>
        <source>%1 could be written by other accounts, who could have put any user there: it is written anew without its users.</source>
        <translation>%1 可被其他账户写入，可能被放入任意用户：已重新写入，不含其用户。</translation>
    </message>
    <message>
        <source>%1 was damaged: it is written anew without its users.</source>
        <translation>%1 已损坏：已重新写入，不含其用户。</translation>
    </message>
    <message>
        <source>%1 could be read by other accounts: it is now readable by its owner only. The users kept should change their passwords, whose hashes could be read.</source>
        <translation>%1 可被其他账户读取：现在仅所有者可读。保留的用户应更改密码，因为其哈希可能已被读取。</translation>
    </message>
    <message>
        <source>The other users are kept: %1.</source>
        <translation>其他用户已保留：%1。</translation>
    </message>
</context>
<context>
    <name>UsersDialog</name>
    <message>
        <source>Switch users on</source>
        <translation>启用用户</translation>
    </message>
    <message>
        <source>Add or change</source>
        <translation>添加或修改</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Switch users off</source>
        <translation>停用用户</translation>
    </message>
    <message>
        <source>Users</source>
        <translation>用户</translation>
    </message>
    <message>
        <source> min</source>
        <translation> 分钟</translation>
    </message>
    <message>
        <source>User</source>
        <translation>用户</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>角色</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>重复</translation>
    </message>
    <message>
        <source>Sign out after</source>
        <translation>注销时间</translation>
    </message>
    <message>
        <source>without input</source>
        <translation>无操作后</translation>
    </message>
    <message>
        <source>Whoever is signed in is signed out after %1 minutes without input.</source>
        <translation>登录的用户在 %1 分钟无操作后注销。</translation>
    </message>
    <message>
        <source>Users are off: everyone may do everything, as one operator.</source>
        <translation>用户已停用：所有人都可执行所有操作，如同一名操作员。</translation>
    </message>
    <message>
        <source>Users are on. Operators start, stop and send messages; supervisors also edit messages, print parameters and coder names; administrators also the port, the users and the journal.</source>
        <translation>已启用用户。操作员可启动、停止和发送信息；主管还可编辑信息、打印参数和喷码机名称；管理员还可管理端口、用户和日志。</translation>
    </message>
    <message>
        <source>Users are off: everyone may do everything. Switching them on creates the first administrator, who is signed in at once.</source>
        <translation>用户已停用：所有人都可执行所有操作。启用时会创建第一个管理员，并立即登录。</translation>
    </message>
    <message>
        <source>The two passwords differ or are empty.</source>
        <translation>两次输入的密码不同或为空。</translation>
    </message>
    <message>
        <source>Users are on; %1 is signed in as administrator.</source>
        <translation>已启用用户；%1 已以管理员身份登录。</translation>
    </message>
    <message>
        <source>%1 is a %2.</source>
        <translation>%1 是%2。</translation>
    </message>
    <message>
        <source>%1 is removed.</source>
        <translation>%1 已删除。</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>%1; the defaults are used.</source>
        <translation>%1；使用默认值。</translation>
    </message>
</context>
<context>
    <name>ParameterChange</name>
    <message>
        <source>spray mode</source>
        <translation>喷印模式</translation>
    </message>
    <message>
        <source>device value 1</source>
        <translation>设备值 1</translation>
    </message>
    <message>
        <source>device value 2</source>
        <translation>设备值 2</translation>
    </message>
    <message>
        <source>resolution</source>
        <translation>分辨率</translation>
    </message>
    <message>
        <source>trigger</source>
        <translation>触发</translation>
    </message>
    <message>
        <source>head range</source>
        <translation>喷头范围</translation>
    </message>
    <message>
        <source>splice</source>
        <translation>拼接</translation>
    </message>
    <message>
        <source>heads</source>
        <translation>喷头</translation>
    </message>
    <message>
        <source>direction</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>head 1 offset</source>
        <translation>喷头 1 偏移</translation>
    </message>
    <message>
        <source>head 2 offset</source>
        <translation>喷头 2 偏移</translation>
    </message>
    <message>
        <source>head 3 offset</source>
        <translation>喷头 3 偏移</translation>
    </message>
    <message>
        <source>head 4 offset</source>
        <translation>喷头 4 偏移</translation>
    </message>
    <message>
        <source>head 1 direction</source>
        <translation>喷头 1 方向</translation>
    </message>
    <message>
        <source>head 2 direction</source>
        <translation>喷头 2 方向</translation>
    </message>
    <message>
        <source>head 3 direction</source>
        <translation>喷头 3 方向</translation>
    </message>
    <message>
        <source>head 4 direction</source>
        <translation>喷头 4 方向</translation>
    </message>
    <message>
        <source>encoder</source>
        <translation>编码器</translation>
    </message>
    <message>
        <source>beep</source>
        <translation>蜂鸣</translation>
    </message>
    <message>
        <source>encoder pulses</source>
        <translation>编码器脉冲</translation>
    </message>
    <message>
        <source>encoder diameter</source>
        <translation>编码器直径</translation>
    </message>
    <message>
        <source>line speed</source>
        <translation>生产线速度</translation>
    </message>
    <message>
        <source>signal interval</source>
        <translation>信号间隔</translation>
    </message>
    <message>
        <source>device value 3</source>
        <translation>设备值 3</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>per revolution</source>
        <translation>每转</translation>
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
        <translation>正向</translation>
    </message>
    <message>
        <source>reverse</source>
        <translation>反向</translation>
    </message>
    <message>
        <source>inverse</source>
        <translation>倒置</translation>
    </message>
    <message>
        <source>rev/inv</source>
        <translation>反向/倒置</translation>
    </message>
    <message>
        <source>code %1</source>
        <translation>代码 %1</translation>
    </message>
    <message>
        <source>left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>high quality</source>
        <translation>高质量</translation>
    </message>
    <message>
        <source>high speed</source>
        <translation>高速</translation>
    </message>
    <message>
        <source>external signal</source>
        <translation>外部信号</translation>
    </message>
    <message>
        <source>internal signal</source>
        <translation>内部信号</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>on</source>
        <translation>开</translation>
    </message>
    <message>
        <source>off</source>
        <translation>关</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>不保存</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>是(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>否(&amp;N)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>中止</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>重试</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>忽略</translation>
    </message>
</context>
</TS>
