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
    <name>InterfaceLanguage</name>
    <message>
        <source>[window] language "%1" is none of %2; the desktop's language is used.</source>
        <translation>[window] language "%1" 不在 %2 之中；使用桌面语言。</translation>
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
</TS>
