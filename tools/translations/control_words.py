# SPDX-License-Identifier: GPL-3.0-or-later
"""KorvexControl's texts and their translations, read by make_control_catalogues.py.

Each row: ru, esp, pt, en, kr, ita, turkish, cn, arabic.  The English
catalogue words the frozen source texts ("Left Spary", "Built", ...) as they
should read; the source texts themselves stay as they are, for they are the
keys.  A plural text (%n) has a list of forms per language: three for
Russian, six for Arabic, one for Korean and Chinese, two for the others.
Placeholders (%1, %n), HTML and links stay as they are; product names,
units (mm, m/min, dpi, PPR) and file names are not translated.
"""


def row(ru, esp, pt, en, kr, ita, turkish, cn, arabic):
    return (ru, esp, pt, en, kr, ita, turkish, cn, arabic)


def same(text):
    """Names, numbers and units that read the same in every language."""
    return (text,) * 9


def users_link(lead, word):
    return '%s<a href="users">%s</a>' % (lead, word)


USERS = ("Пользователи", "Usuarios", "Usuários", "Users", "사용자", "Utenti", "Kullanıcılar", "用户", "المستخدمون")

# Source text -> translations, for every context that has it.
WORDS = {
    # --- the control window ---------------------------------------------------
    "KorvexMainWindow": same("Korvex Control"),
    "MainWindow": row("Главная", "Principal", "Principal", "Main", "기본", "Principale", "Ana", "主页", "الرئيسية"),
    "Apply Print Parameter": row("Применить параметры печати", "Aplicar parámetros de impresión",
                                 "Aplicar parâmetros de impressão", "Apply Print Parameters", "인쇄 설정 적용",
                                 "Applica parametri di stampa", "Baskı ayarlarını uygula", "应用打印参数",
                                 "تطبيق إعدادات الطباعة"),
    "Start": row("Пуск", "Iniciar", "Iniciar", "Start", "시작", "Avvia", "Başlat", "开始", "تشغيل"),
    "Stop": row("Стоп", "Detener", "Parar", "Stop", "정지", "Arresta", "Durdur", "停止", "إيقاف"),
    "Multi Select": row("Выбрать несколько", "Selección múltiple", "Seleção múltipla", "Multi Select", "다중 선택",
                        "Selezione multipla", "Çoklu seçim", "多选", "تحديد متعدد"),
    "Server Port": row("Порт сервера", "Puerto del servidor", "Porta do servidor", "Server Port", "서버 포트",
                       "Porta del server", "Sunucu portu", "服务器端口", "منفذ الخادم"),
    # The button opens the server on the port in the box.
    "Built": row("Открыть порт", "Abrir puerto", "Abrir porta", "Open Port", "포트 열기", "Apri porta", "Portu aç",
                 "启用端口", "فتح المنفذ"),
    "File Manage": row("Файлы", "Archivos", "Arquivos", "Files", "파일 관리", "Gestione file", "Dosyalar", "文件管理",
                       "الملفات"),
    "Apply": row("Применить", "Aplicar", "Aplicar", "Apply", "적용", "Applica", "Uygula", "应用", "تطبيق"),
    "New": row("Создать", "Nuevo", "Novo", "New", "새로 만들기", "Nuovo", "Yeni", "新建", "جديد"),
    "Edit": row("Изменить", "Editar", "Editar", "Edit", "편집", "Modifica", "Düzenle", "编辑", "تحرير"),
    # The list's title has the width of the list in a large font: short words.
    "Device List": row("Устройства", "Equipos", "Máquinas", "Device List", "장치 목록", "Dispositivi",
                       "Cihazlar", "设备列表", "الأجهزة"),
    "File List": row("Список файлов", "Lista de archivos", "Lista de arquivos", "File List", "파일 목록",
                     "Elenco file", "Dosya listesi", "文件列表", "قائمة الملفات"),
    "Print parameters not loaded: %1": row(
        "Параметры печати не загружены: %1", "Parámetros de impresión no cargados: %1",
        "Parâmetros de impressão não carregados: %1", "Print parameters not loaded: %1",
        "인쇄 설정을 불러오지 못함: %1", "Parametri di stampa non caricati: %1", "Baskı ayarları yüklenmedi: %1",
        "未加载打印参数：%1", "لم تُحمَّل إعدادات الطباعة: %1"),
    "Warn": row("Внимание", "Aviso", "Aviso", "Warning", "경고", "Avviso", "Uyarı", "警告", "تحذير"),
    "You must select a file! ": row("Выберите файл!", "¡Debe seleccionar un archivo!", "Selecione um arquivo!",
                                    "You must select a file!", "파일을 선택하십시오!", "Selezionare un file!",
                                    "Bir dosya seçmelisiniz!", "请选择一个文件！", "يجب اختيار ملف!"),
    "%1 was not sent: the pre-flight check found problems.": row(
        "%1 не отправлен: предварительная проверка нашла ошибки.",
        "%1 no se envió: la comprobación previa encontró problemas.",
        "%1 não foi enviado: a verificação prévia encontrou problemas.",
        "%1 was not sent: the pre-flight check found problems.",
        "%1을(를) 보내지 않음: 사전 점검에서 문제가 발견됨.",
        "%1 non inviato: il controllo preliminare ha trovato problemi.",
        "%1 gönderilmedi: ön kontrol sorun buldu.", "%1 未发送：预检发现问题。",
        "لم يُرسَل %1: وجد الفحص المسبق مشكلات."),
    '"%1" is not a port: enter a number from 1 to 65535. The server keeps running as it was.': row(
        "«%1» — не порт: введите число от 1 до 65535. Сервер работает как прежде.",
        '"%1" no es un puerto: introduzca un número de 1 a 65535. El servidor sigue como estaba.',
        '"%1" não é uma porta: digite um número de 1 a 65535. O servidor continua como estava.',
        '"%1" is not a port: enter a number from 1 to 65535. The server keeps running as it was.',
        '"%1"은(는) 포트가 아닙니다. 1~65535 사이의 숫자를 입력하십시오. 서버는 그대로 동작합니다.',
        '"%1" non è una porta: inserire un numero da 1 a 65535. Il server continua come prima.',
        '"%1" bir port değil: 1 ile 65535 arasında bir sayı girin. Sunucu olduğu gibi çalışıyor.',
        '"%1" 不是端口：请输入 1 到 65535 之间的数字。服务器照常运行。',
        '"%1" ليس منفذًا: أدخل رقمًا من 1 إلى 65535. يبقى الخادم يعمل كما كان.'),
    "%1; the defaults are used.": row(
        "%1; используются значения по умолчанию.", "%1; se usan los valores predeterminados.",
        "%1; são usados os valores padrão.", "%1; the defaults are used.", "%1. 기본값을 사용합니다.",
        "%1; si usano i valori predefiniti.", "%1; varsayılanlar kullanılıyor.", "%1；使用默认值。",
        "%1؛ تُستخدم القيم الافتراضية."),
    '[window] language "%1" is none of %2; the desktop\'s language is used.': row(
        "[window] language «%1» не из списка %2; используется язык рабочего стола.",
        '[window] language "%1" no es ninguno de %2; se usa el idioma del escritorio.',
        '[window] language "%1" não é nenhum de %2; é usado o idioma da área de trabalho.',
        '[window] language "%1" is none of %2; the desktop\'s language is used.',
        '[window] language "%1"은(는) %2 중 하나가 아닙니다. 데스크톱 언어를 사용합니다.',
        '[window] language "%1" non è tra %2; si usa la lingua del desktop.',
        '[window] language "%1", %2 dillerinden biri değil; masaüstünün dili kullanılıyor.',
        '[window] language "%1" 不在 %2 之中；使用桌面语言。',
        '[window] language "%1" ليست من %2؛ تُستخدم لغة سطح المكتب.'),

    # --- print parameters -------------------------------------------------------
    "Print Parameters": row("Параметры печати", "Parámetros de impresión", "Parâmetros de impressão",
                            "Print Parameters", "인쇄 설정", "Parametri di stampa", "Baskı ayarları", "打印参数",
                            "إعدادات الطباعة"),
    "Print Head Offset(mm)": row("Смещение головки (mm)", "Desplazamiento del cabezal (mm)",
                                 "Deslocamento da cabeça (mm)", "Print Head Offset (mm)", "헤드 오프셋(mm)",
                                 "Offset testina (mm)", "Kafa kaydırma (mm)", "喷头偏移(mm)",
                                 "إزاحة رأس الطباعة (mm)"),
    "font-weight: bold;": same("font-weight: bold;"),
    "Trigger Mode": row("Режим запуска", "Modo de disparo", "Modo de disparo", "Trigger Mode", "트리거 모드",
                        "Modalità trigger", "Tetik modu", "触发模式", "وضع التشغيل"),
    "Spray Mode": row("Режим печати", "Modo de impresión", "Modo de impressão", "Spray Mode", "분사 모드",
                      "Modalità di stampa", "Püskürtme modu", "喷印模式", "وضع الرش"),
    "Dpi": row("Разрешение (dpi)", "Resolución (dpi)", "Resolução (dpi)", "Resolution (dpi)", "해상도(dpi)",
               "Risoluzione (dpi)", "Çözünürlük (dpi)", "分辨率(dpi)", "الدقة (dpi)"),
    "Singal Interval": row("Интервал сигнала", "Intervalo de señal", "Intervalo do sinal", "Signal Interval",
                           "신호 간격", "Intervallo segnale", "Sinyal aralığı", "信号间隔", "فاصل الإشارة"),
    "Print Head Set": row("Головки", "Cabezales", "Cabeças", "Print Heads", "헤드 설정", "Testine",
                          "Baskı kafaları", "喷头设置", "رؤوس الطباعة"),
    "Splice": row("Стык", "Empalme", "Emenda", "Splice", "이어 붙이기", "Giunzione", "Birleştirme", "拼接", "الوصل"),
    "Single Head Print Direct": row("Направление одной головки", "Dirección de un cabezal",
                                    "Direção de uma cabeça", "Single Head Direction", "단일 헤드 방향",
                                    "Direzione testina singola", "Tek kafa yönü", "单头打印方向",
                                    "اتجاه الرأس الواحد"),
    "Print Direct": row("Направление печати", "Dirección de impresión", "Direção de impressão", "Print Direction",
                        "인쇄 방향", "Direzione di stampa", "Baskı yönü", "打印方向", "اتجاه الطباعة"),
    "Forward": row("Прямое", "Normal", "Normal", "Forward", "정방향", "Avanti", "İleri", "正向", "أمامي"),
    "Reverse": row("Обратное", "Invertido", "Reverso", "Reverse", "역방향", "Indietro", "Geri", "反向", "عكسي"),
    "Inverse": row("Перевёрнутое", "Volteado", "Invertido", "Inverse", "반전", "Capovolto", "Ters", "倒置", "مقلوب"),
    "Rev/Inv": row("Обр./Перев.", "Inv./Volt.", "Rev./Inv.", "Rev/Inv", "역방향/반전", "Ind./Capov.", "Geri/Ters",
                   "反向/倒置", "عكسي/مقلوب"),
    "Encoder": row("Энкодер", "Encoder", "Encoder", "Encoder", "인코더", "Encoder", "Enkoder", "编码器", "المشفّر"),
    "Beep": row("Звук", "Pitido", "Bipe", "Beep", "신호음", "Segnale acustico", "Bip", "蜂鸣", "صفير"),
    "Production Line Speed(m/min)": row("Скорость линии (m/min)", "Velocidad de la línea (m/min)",
                                        "Velocidade da linha (m/min)", "Line Speed (m/min)", "라인 속도(m/min)",
                                        "Velocità linea (m/min)", "Hat hızı (m/min)", "生产线速度(m/min)",
                                        "سرعة خط الإنتاج (m/min)"),
    "PPR": same("PPR"),
    "Diameter(mm)": row("Диаметр (mm)", "Diámetro (mm)", "Diâmetro (mm)", "Diameter (mm)", "직경(mm)",
                        "Diametro (mm)", "Çap (mm)", "直径(mm)", "القطر (mm)"),
    "Unknown (%1)": row("Неизвестно (%1)", "Desconocido (%1)", "Desconhecido (%1)", "Unknown (%1)",
                        "알 수 없음(%1)", "Sconosciuto (%1)", "Bilinmiyor (%1)", "未知(%1)", "غير معروف (%1)"),
    "Internal Singal": row("Внутренний сигнал", "Señal interna", "Sinal interno", "Internal Signal", "내부 신호",
                           "Segnale interno", "Dahili sinyal", "内部信号", "إشارة داخلية"),
    "External Singal": row("Внешний сигнал", "Señal externa", "Sinal externo", "External Signal", "외부 신호",
                           "Segnale esterno", "Harici sinyal", "外部信号", "إشارة خارجية"),
    "Left Spary": row("Печать слева", "Impresión izquierda", "Impressão à esquerda", "Left Spray", "왼쪽 분사",
                      "Stampa a sinistra", "Sol püskürtme", "左喷", "رش يسار"),
    "Right Spary": row("Печать справа", "Impresión derecha", "Impressão à direita", "Right Spray", "오른쪽 분사",
                       "Stampa a destra", "Sağ püskürtme", "右喷", "رش يمين"),
    "Hight Quanlity": row("Высокое качество", "Alta calidad", "Alta qualidade", "High Quality", "고품질",
                          "Alta qualità", "Yüksek kalite", "高质量", "جودة عالية"),
    "Hight Speed": row("Высокая скорость", "Alta velocidad", "Alta velocidade", "High Speed", "고속",
                       "Alta velocità", "Yüksek hız", "高速", "سرعة عالية"),
    "Parameter reply ignored: %1 bytes received, a parameter block has %2.": row(
        "Ответ с параметрами пропущен: получено байт: %1, в блоке параметров их %2.",
        "Respuesta de parámetros ignorada: se recibieron %1 bytes, un bloque de parámetros tiene %2.",
        "Resposta de parâmetros ignorada: %1 bytes recebidos, um bloco de parâmetros tem %2.",
        "Parameter reply ignored: %1 bytes received, a parameter block has %2.",
        "매개변수 응답 무시: %1바이트 수신, 매개변수 블록은 %2바이트.",
        "Risposta dei parametri ignorata: ricevuti %1 byte, un blocco parametri ne ha %2.",
        "Parametre yanıtı yok sayıldı: %1 bayt alındı, parametre bloğu %2 bayt.",
        "已忽略参数回复：收到 %1 字节，参数块应为 %2 字节。",
        "تم تجاهل رد الإعدادات: استُلم %1 بايت، وكتلة الإعدادات %2 بايت."),

    # --- device list, status bar, preview -----------------------------------------
    "Filter: name, IP, state": row("Фильтр: имя, IP, состояние", "Filtro: nombre, IP, estado",
                                   "Filtro: nome, IP, estado", "Filter: name, IP, state", "필터: 이름, IP, 상태",
                                   "Filtro: nome, IP, stato", "Filtre: ad, IP, durum", "筛选：名称、IP、状态",
                                   "تصفية: الاسم، IP، الحالة"),
    "Compact rows": row("Компактные строки", "Filas compactas", "Linhas compactas", "Compact rows", "좁은 행",
                        "Righe compatte", "Sıkı satırlar", "紧凑行", "صفوف مضغوطة"),
    "%1 %2: click to show only them": row(
        "%1 %2: нажмите, чтобы показать только их", "%1 %2: pulse para ver solo estos",
        "%1 %2: clique para mostrar só estes", "%1 %2: click to show only them", "%1 %2: 클릭하면 이것만 표시",
        "%1 %2: fare clic per mostrare solo questi", "%1 %2: yalnızca bunları göstermek için tıklayın",
        "%1 %2：点击只显示这些", "%1 %2: انقر لعرضها وحدها"),
    "Remark Name": row("Имя", "Nombre", "Nome", "Remark Name", "별칭", "Nome", "Takma ad", "备注名",
                       "الاسم المستعار"),
    "Change Name": row("Изменить имя", "Cambiar nombre", "Alterar nome", "Change Name", "이름 변경", "Cambia nome",
                       "Adı değiştir", "修改名称", "تغيير الاسم"),
    "printing": row("печать", "imprimiendo", "imprimindo", "printing", "인쇄 중", "in stampa", "yazdırıyor",
                    "打印中", "يطبع"),
    "ready": row("готов", "listo", "pronto", "ready", "준비", "pronto", "hazır", "就绪", "جاهز"),
    "stopped": row("остановлен", "detenido", "parado", "stopped", "정지됨", "fermo", "durdu", "已停止", "متوقف"),
    "IP: %1": same("IP: %1"),
    "Remark name: %1": row("Имя: %1", "Nombre: %1", "Nome: %1", "Remark name: %1", "별칭: %1", "Nome: %1",
                           "Takma ad: %1", "备注名：%1", "الاسم المستعار: %1"),
    "State: %1": row("Состояние: %1", "Estado: %1", "Estado: %1", "State: %1", "상태: %1", "Stato: %1",
                     "Durum: %1", "状态：%1", "الحالة: %1"),
    "Current file: %1": row("Текущий файл: %1", "Archivo actual: %1", "Arquivo atual: %1", "Current file: %1",
                            "현재 파일: %1", "File corrente: %1", "Geçerli dosya: %1", "当前文件：%1",
                            "الملف الحالي: %1"),
    "unknown": row("неизвестно", "desconocido", "desconhecido", "unknown", "알 수 없음", "sconosciuto",
                   "bilinmiyor", "未知", "غير معروف"),
    "Listening on port %1": row("Ожидание на порту %1", "Escuchando en el puerto %1", "Escutando na porta %1",
                                "Listening on port %1", "포트 %1에서 대기 중", "In ascolto sulla porta %1",
                                "%1 portu dinleniyor", "正在监听端口 %1", "الاستماع على المنفذ %1"),
    "Not listening": row("Порт не открыт", "Sin escuchar", "Sem escuta", "Not listening", "대기하지 않음",
                         "Non in ascolto", "Dinlenmiyor", "未监听", "لا استماع"),
    "%n coder(s) connected": row(
        ["%n маркиратор подключён", "%n маркиратора подключено", "%n маркираторов подключено"],
        ["%n codificador conectado", "%n codificadores conectados"],
        ["%n codificador conectado", "%n codificadores conectados"],
        ["%n coder connected", "%n coders connected"],
        ["프린터 %n대 연결됨"],
        ["%n codificatore connesso", "%n codificatori connessi"],
        ["%n kodlayıcı bağlı", "%n kodlayıcı bağlı"],
        ["已连接 %n 台喷码机"],
        ["لا طابعات متصلة (%n)", "طابعة واحدة متصلة", "طابعتان متصلتان", "%n طابعات متصلة", "%n طابعة متصلة",
         "%n طابعة متصلة"]),
    "Current message of %1": row("Текущее сообщение %1", "Mensaje actual de %1", "Mensagem atual de %1",
                                 "Current message of %1", "%1의 현재 메시지", "Messaggio corrente di %1",
                                 "%1 geçerli mesajı", "%1 的当前信息", "الرسالة الحالية لـ %1"),
    "Current message of %1 (%2)": row("Текущее сообщение %1 (%2)", "Mensaje actual de %1 (%2)",
                                      "Mensagem atual de %1 (%2)", "Current message of %1 (%2)",
                                      "%1(%2)의 현재 메시지", "Messaggio corrente di %1 (%2)",
                                      "%1 (%2) geçerli mesajı", "%1（%2）的当前信息",
                                      "الرسالة الحالية لـ %1 (%2)"),
    "Current message of coder %1: %2": row(
        "Текущее сообщение маркиратора %1: %2", "Mensaje actual del codificador %1: %2",
        "Mensagem atual do codificador %1: %2", "Current message of coder %1: %2",
        "프린터 %1의 현재 메시지: %2", "Messaggio corrente del codificatore %1: %2",
        "%1 kodlayıcısının geçerli mesajı: %2", "喷码机 %1 的当前信息：%2", "الرسالة الحالية للطابعة %1: %2"),

    # --- journal view ------------------------------------------------------------
    "Journal": row("Журнал", "Registro", "Registro", "Journal", "작업 기록", "Registro", "Kayıt defteri", "日志",
                   "السجل"),
    "Show or hide the journal of what was done": row(
        "Показать или скрыть журнал действий", "Mostrar u ocultar el registro de lo hecho",
        "Mostrar ou ocultar o registro do que foi feito", "Show or hide the journal of what was done",
        "작업 기록 표시/숨기기", "Mostra o nascondi il registro delle azioni",
        "Yapılanların kaydını göster veya gizle", "显示或隐藏操作日志", "إظهار أو إخفاء سجل ما تم"),
    "%1 (claimed)": row("%1 (со слов)", "%1 (declarado)", "%1 (declarado)", "%1 (claimed)", "%1 (자칭)",
                        "%1 (dichiarato)", "%1 (beyan edilen)", "%1（自称）", "%1 (مُدّعى)"),
    "Coder: IP or name": row("Маркиратор: IP или имя", "Codificador: IP o nombre", "Codificador: IP ou nome",
                             "Coder: IP or name", "프린터: IP 또는 이름", "Codificatore: IP o nome",
                             "Kodlayıcı: IP veya ad", "喷码机：IP 或名称", "الطابعة: IP أو الاسم"),
    "All users": row("Все пользователи", "Todos los usuarios", "Todos os usuários", "All users", "모든 사용자",
                     "Tutti gli utenti", "Tüm kullanıcılar", "所有用户", "كل المستخدمين"),
    "All actions": row("Все действия", "Todas las acciones", "Todas as ações", "All actions", "모든 작업",
                       "Tutte le azioni", "Tüm işlemler", "所有操作", "كل الإجراءات"),
    "From": row("С", "Desde", "De", "From", "시작", "Da", "Başlangıç", "从", "من"),
    "to": row("по", "hasta", "até", "to", "~", "a", "bitiş", "到", "إلى"),

    # --- sign-in, users, roles ------------------------------------------------------
    "Sign in": row("Вход", "Iniciar sesión", "Entrar", "Sign in", "로그인", "Accedi", "Oturum aç", "登录",
                   "تسجيل الدخول"),
    "User": row("Пользователь", "Usuario", "Usuário", "User", "사용자", "Utente", "Kullanıcı", "用户", "المستخدم"),
    "Password": row("Пароль", "Contraseña", "Senha", "Password", "비밀번호", "Password", "Parola", "密码",
                    "كلمة المرور"),
    "Users are on: sign in to work with the coders.": row(
        "Пользователи включены: войдите, чтобы работать с маркираторами.",
        "Usuarios activados: inicie sesión para trabajar con los codificadores.",
        "Usuários ativados: entre para trabalhar com os codificadores.",
        "Users are on: sign in to work with the coders.",
        "사용자 기능 켜짐: 프린터를 사용하려면 로그인하십시오.",
        "Utenti attivi: accedere per lavorare con i codificatori.",
        "Kullanıcılar açık: kodlayıcılarla çalışmak için oturum açın.",
        "已启用用户：请登录后操作喷码机。", "المستخدمون مفعّلون: سجّل الدخول للعمل مع الطابعات."),
    "%1 was signed out: no input for %2 minutes.": row(
        "%1 вышел из системы: нет действий %2 мин.", "Se cerró la sesión de %1: sin actividad durante %2 minutos.",
        "%1 foi desconectado: sem atividade por %2 minutos.", "%1 was signed out: no input for %2 minutes.",
        "%1 로그아웃됨: %2분 동안 입력 없음.", "%1 è stato disconnesso: nessuna attività per %2 minuti.",
        "%1 oturumu kapatıldı: %2 dakika işlem yok.", "%1 已注销：%2 分钟无操作。",
        "تم تسجيل خروج %1: لا إدخال منذ %2 دقيقة."),
    '<a href="users">Users</a>': tuple(users_link("", w) for w in USERS),
    " · <a href=\"users\">Users</a>": tuple(users_link(" · ", w) for w in USERS),
    "Nobody can sign in: see the event log": row(
        "Никто не может войти: см. журнал событий", "Nadie puede iniciar sesión: vea el registro de eventos",
        "Ninguém pode entrar: veja o registro de eventos", "Nobody can sign in: see the event log",
        "아무도 로그인할 수 없음: 이벤트 로그 참조", "Nessuno può accedere: vedere il registro eventi",
        "Kimse oturum açamıyor: olay günlüğüne bakın", "无人可登录：请查看事件日志",
        "لا يمكن لأحد تسجيل الدخول: راجع سجل الأحداث"),
    'Nobody signed in · <a href="signin">Sign in</a>': row(
        'Никто не вошёл · <a href="signin">Войти</a>',
        'Nadie ha iniciado sesión · <a href="signin">Iniciar sesión</a>',
        'Ninguém conectado · <a href="signin">Entrar</a>', 'Nobody signed in · <a href="signin">Sign in</a>',
        '로그인한 사용자 없음 · <a href="signin">로그인</a>', 'Nessun utente connesso · <a href="signin">Accedi</a>',
        'Oturum açan yok · <a href="signin">Oturum aç</a>', '无人登录 · <a href="signin">登录</a>',
        'لم يسجّل أحد الدخول · <a href="signin">تسجيل الدخول</a>'),
    '%1 (%2) · <a href="signout">Sign out</a>': row(
        '%1 (%2) · <a href="signout">Выйти</a>', '%1 (%2) · <a href="signout">Cerrar sesión</a>',
        '%1 (%2) · <a href="signout">Sair</a>', '%1 (%2) · <a href="signout">Sign out</a>',
        '%1 (%2) · <a href="signout">로그아웃</a>', '%1 (%2) · <a href="signout">Esci</a>',
        '%1 (%2) · <a href="signout">Oturumu kapat</a>', '%1（%2）· <a href="signout">注销</a>',
        '%1 (%2) · <a href="signout">تسجيل الخروج</a>'),
    "Operator": row("Оператор", "Operador", "Operador", "Operator", "작업자", "Operatore", "Operatör", "操作员",
                    "مشغّل"),
    "Supervisor": row("Мастер", "Supervisor", "Supervisor", "Supervisor", "감독자", "Supervisore", "Sorumlu", "主管",
                      "مشرف"),
    "Administrator": row("Администратор", "Administrador", "Administrador", "Administrator", "관리자",
                         "Amministratore", "Yönetici", "管理员", "مسؤول"),
    "start": row("запускать", "iniciar", "iniciar", "start", "시작", "avviare", "başlatma", "启动", "التشغيل"),
    "stop": row("останавливать", "detener", "parar", "stop", "정지", "arrestare", "durdurma", "停止", "الإيقاف"),
    "send messages": row("отправлять сообщения", "enviar mensajes", "enviar mensagens", "send messages",
                         "메시지 전송", "inviare messaggi", "mesaj gönderme", "发送信息", "إرسال الرسائل"),
    "send a message despite its pre-flight findings": row(
        "отправлять сообщение вопреки замечаниям проверки",
        "enviar un mensaje pese a los avisos de la comprobación previa",
        "enviar uma mensagem apesar dos avisos da verificação prévia",
        "send a message despite its pre-flight findings", "사전 점검 결과를 무시한 메시지 전송",
        "inviare un messaggio nonostante i problemi del controllo preliminare",
        "ön kontrol bulgularına rağmen mesaj gönderme", "在预检有问题时仍发送信息",
        "إرسال رسالة رغم نتائج الفحص المسبق"),
    "edit messages": row("изменять сообщения", "editar mensajes", "editar mensagens", "edit messages",
                         "메시지 편집", "modificare i messaggi", "mesaj düzenleme", "编辑信息", "تحرير الرسائل"),
    "change print parameters": row("изменять параметры печати", "cambiar los parámetros de impresión",
                                   "alterar os parâmetros de impressão", "change print parameters",
                                   "인쇄 설정 변경", "modificare i parametri di stampa",
                                   "baskı ayarlarını değiştirme", "修改打印参数", "تغيير إعدادات الطباعة"),
    "name coders": row("давать имена маркираторам", "nombrar los codificadores", "nomear os codificadores",
                       "name coders", "프린터 이름 지정", "dare un nome ai codificatori",
                       "kodlayıcılara ad verme", "命名喷码机", "تسمية الطابعات"),
    "change the port": row("менять порт", "cambiar el puerto", "alterar a porta", "change the port", "포트 변경",
                           "cambiare la porta", "portu değiştirme", "修改端口", "تغيير المنفذ"),
    "manage users": row("управлять пользователями", "gestionar los usuarios", "gerenciar os usuários",
                        "manage users", "사용자 관리", "gestire gli utenti", "kullanıcıları yönetme", "管理用户",
                        "إدارة المستخدمين"),
    "change the journal's settings": row(
        "менять настройки журнала", "cambiar la configuración del registro",
        "alterar as configurações do registro", "change the journal's settings", "작업 기록 설정 변경",
        "modificare le impostazioni del registro", "kayıt defteri ayarlarını değiştirme", "修改日志设置",
        "تغيير إعدادات السجل"),
    "Sign in to %1.": row("Войдите, чтобы %1.", "Inicie sesión para %1.", "Entre para %1.", "Sign in to %1.",
                          "%1: 로그인이 필요합니다.", "Accedere per %1.", "%1 için oturum açın.", "请登录后再%1。",
                          "سجّل الدخول من أجل %1."),
    "Only a %1 may %2; %3 is signed in as %4.": row(
        "Только %1 может %2; %3 вошёл как %4.", "Solo un %1 puede %2; %3 ha iniciado sesión como %4.",
        "Somente um %1 pode %2; %3 entrou como %4.", "Only a %1 may %2; %3 is signed in as %4.",
        "%2 작업은 %1만 할 수 있습니다. %3 님은 %4(으)로 로그인했습니다.",
        "Solo un %1 può %2; %3 ha eseguito l'accesso come %4.",
        "%2 yalnızca %1 yetkisindedir; %3, %4 olarak oturum açtı.", "只有%1可以%2；%3 以%4身份登录。",
        "لا يحق %2 إلا لـ %1؛ %3 مسجّل الدخول بصفة %4."),
    "Users are on already.": row("Пользователи уже включены.", "Los usuarios ya están activados.",
                                 "Os usuários já estão ativados.", "Users are on already.",
                                 "사용자 기능이 이미 켜져 있습니다.", "Gli utenti sono già attivi.",
                                 "Kullanıcılar zaten açık.", "用户已启用。", "المستخدمون مفعّلون بالفعل."),
    "Switch users on": row("Включить пользователей", "Activar usuarios", "Ativar usuários", "Switch users on",
                           "사용자 기능 켜기", "Attiva utenti", "Kullanıcıları aç", "启用用户", "تفعيل المستخدمين"),
    "Add or change": row("Добавить или изменить", "Añadir o cambiar", "Adicionar ou alterar", "Add or change",
                         "추가 또는 변경", "Aggiungi o modifica", "Ekle veya değiştir", "添加或修改",
                         "إضافة أو تغيير"),
    "Remove": row("Удалить", "Quitar", "Remover", "Remove", "제거", "Rimuovi", "Kaldır", "删除", "إزالة"),
    "Set": row("Задать", "Aplicar", "Definir", "Set", "설정", "Imposta", "Ayarla", "设置", "تعيين"),
    "Switch users off": row("Выключить пользователей", "Desactivar usuarios", "Desativar usuários",
                            "Switch users off", "사용자 기능 끄기", "Disattiva utenti", "Kullanıcıları kapat",
                            "停用用户", "إيقاف المستخدمين"),
    "Users": USERS,
    " min": row(" мин", " min", " min", " min", "분", " min", " dk", " 分钟", " د"),
    "Role": row("Роль", "Rol", "Função", "Role", "역할", "Ruolo", "Rol", "角色", "الدور"),
    "Repeat": row("Повтор", "Repetir", "Repetir", "Repeat", "다시 입력", "Ripeti", "Tekrar", "重复", "تكرار"),
    "Sign out after": row("Выход через", "Cerrar sesión tras", "Sair após", "Sign out after", "로그아웃 시간",
                          "Disconnetti dopo", "Oturumu kapatma süresi", "注销时间", "تسجيل الخروج بعد"),
    "without input": row("без действий", "sin actividad", "sem atividade", "without input", "입력 없음",
                         "senza attività", "işlem yapılmazsa", "无操作后", "بلا إدخال"),
    "Whoever is signed in is signed out after %1 minutes without input.": row(
        "Вошедший пользователь выходит из системы после %1 мин без действий.",
        "Quien haya iniciado sesión la cierra tras %1 minutos sin actividad.",
        "Quem estiver conectado sai após %1 minutos sem atividade.",
        "Whoever is signed in is signed out after %1 minutes without input.",
        "로그인한 사용자는 %1분 동안 입력이 없으면 로그아웃됩니다.",
        "Chi ha eseguito l'accesso viene disconnesso dopo %1 minuti senza attività.",
        "Oturum açan kişinin oturumu %1 dakika işlem yapılmazsa kapatılır.",
        "登录的用户在 %1 分钟无操作后注销。", "يُسجَّل خروج المستخدم بعد %1 دقيقة بلا إدخال."),
    "Users are off: everyone may do everything, as one operator.": row(
        "Пользователи выключены: всем разрешено всё, как одному оператору.",
        "Usuarios desactivados: todos pueden hacer todo, como un solo operador.",
        "Usuários desativados: todos podem fazer tudo, como um só operador.",
        "Users are off: everyone may do everything, as one operator.",
        "사용자 기능 꺼짐: 모두가 한 명의 작업자처럼 모든 작업을 할 수 있습니다.",
        "Utenti disattivati: tutti possono fare tutto, come un solo operatore.",
        "Kullanıcılar kapalı: herkes tek bir operatör gibi her şeyi yapabilir.",
        "用户已停用：所有人都可执行所有操作，如同一名操作员。",
        "المستخدمون غير مفعّلين: يمكن للجميع فعل كل شيء، كمشغّل واحد."),
    "Users are on. Operators start, stop and send messages; supervisors also edit messages, print parameters "
    "and coder names; administrators also the port, the users and the journal.": row(
        "Пользователи включены. Операторы запускают, останавливают и отправляют сообщения; мастера также "
        "изменяют сообщения, параметры печати и имена маркираторов; администраторы — ещё и порт, пользователей "
        "и журнал.",
        "Usuarios activados. Los operadores inician, detienen y envían mensajes; los supervisores también editan "
        "mensajes, parámetros de impresión y nombres de codificadores; los administradores también el puerto, "
        "los usuarios y el registro.",
        "Usuários ativados. Operadores iniciam, param e enviam mensagens; supervisores também editam mensagens, "
        "parâmetros de impressão e nomes dos codificadores; administradores também a porta, os usuários e o "
        "registro.",
        "Users are on. Operators start, stop and send messages; supervisors also edit messages, print "
        "parameters and coder names; administrators also the port, the users and the journal.",
        "사용자 기능 켜짐. 작업자는 시작, 정지, 메시지 전송을 할 수 있고, 감독자는 메시지, 인쇄 설정, 프린터 "
        "이름도 편집할 수 있으며, 관리자는 포트, 사용자, 작업 기록도 관리할 수 있습니다.",
        "Utenti attivi. Gli operatori avviano, arrestano e inviano messaggi; i supervisori modificano anche "
        "messaggi, parametri di stampa e nomi dei codificatori; gli amministratori anche la porta, gli utenti "
        "e il registro.",
        "Kullanıcılar açık. Operatörler başlatır, durdurur ve mesaj gönderir; sorumlular ayrıca mesajları, "
        "baskı ayarlarını ve kodlayıcı adlarını düzenler; yöneticiler ayrıca portu, kullanıcıları ve kayıt "
        "defterini yönetir.",
        "已启用用户。操作员可启动、停止和发送信息；主管还可编辑信息、打印参数和喷码机名称；管理员还可管理端口、"
        "用户和日志。",
        "المستخدمون مفعّلون. يشغّل المشغّلون الطابعات ويوقفونها ويرسلون الرسائل؛ ويحرّر المشرفون أيضًا الرسائل "
        "وإعدادات الطباعة وأسماء الطابعات؛ ويدير المسؤولون أيضًا المنفذ والمستخدمين والسجل."),
    "Users are off: everyone may do everything. Switching them on creates the first administrator, who is "
    "signed in at once.": row(
        "Пользователи выключены: всем разрешено всё. При включении создаётся первый администратор, он сразу "
        "входит в систему.",
        "Usuarios desactivados: todos pueden hacer todo. Al activarlos se crea el primer administrador, que "
        "inicia sesión al momento.",
        "Usuários desativados: todos podem fazer tudo. Ao ativá-los, é criado o primeiro administrador, que "
        "entra na hora.",
        "Users are off: everyone may do everything. Switching them on creates the first administrator, who is "
        "signed in at once.",
        "사용자 기능 꺼짐: 모두가 모든 작업을 할 수 있습니다. 켜면 첫 관리자가 만들어지고 바로 로그인됩니다.",
        "Utenti disattivati: tutti possono fare tutto. Attivandoli si crea il primo amministratore, che accede "
        "subito.",
        "Kullanıcılar kapalı: herkes her şeyi yapabilir. Açıldığında ilk yönetici oluşturulur ve hemen oturum "
        "açar.",
        "用户已停用：所有人都可执行所有操作。启用时会创建第一个管理员，并立即登录。",
        "المستخدمون غير مفعّلين: يمكن للجميع فعل كل شيء. تفعيلهم ينشئ أول مسؤول، ويُسجَّل دخوله فورًا."),
    "The two passwords differ or are empty.": row(
        "Пароли не совпадают или пусты.", "Las dos contraseñas no coinciden o están vacías.",
        "As duas senhas são diferentes ou estão vazias.", "The two passwords differ or are empty.",
        "두 비밀번호가 다르거나 비어 있습니다.", "Le due password sono diverse o vuote.", "İki parola farklı veya boş.",
        "两次输入的密码不同或为空。", "كلمتا المرور مختلفتان أو فارغتان."),
    "Users are on; %1 is signed in as administrator.": row(
        "Пользователи включены; %1 вошёл как администратор.",
        "Usuarios activados; %1 ha iniciado sesión como administrador.",
        "Usuários ativados; %1 entrou como administrador.", "Users are on; %1 is signed in as administrator.",
        "사용자 기능 켜짐. %1 님이 관리자로 로그인했습니다.",
        "Utenti attivi; %1 ha eseguito l'accesso come amministratore.",
        "Kullanıcılar açık; %1 yönetici olarak oturum açtı.", "已启用用户；%1 已以管理员身份登录。",
        "المستخدمون مفعّلون؛ %1 مسجّل الدخول بصفة مسؤول."),
    "%1 is a %2.": row("%1 — %2.", "%1 es %2.", "%1 é %2.", "%1 is a %2.", "%1: %2.", "%1 è %2.", "%1: %2.",
                       "%1 是%2。", "%1: %2."),
    "%1 is removed.": row("%1 удалён.", "%1 se ha quitado.", "%1 foi removido.", "%1 is removed.", "%1 제거됨.",
                          "%1 è stato rimosso.", "%1 kaldırıldı.", "%1 已删除。", "أُزيل %1."),
}
for number in ("1", "2", "3", "4", "150", "200", "300", "600"):
    WORDS[number] = same(number)

# The same source text, other words in one context: (context, source) -> row.
CONTEXT_WORDS = {
}

# The contexts the catalogues translate.
TRANSLATED = {
    "KorvexMainWindow", "PrintParameterWidget", "DeviceListPanel", "ControlStatusBar", "CoderListModel",
    "MessagePreview", "JournalDock", "JournalView", "SignInDialog", "ChangeMyDeviceBtnRemarkNameDialog",
    "AccessControl", "Roles", "Session", "UsersDialog", "InterfaceLanguage", "main",
}

# Contexts whose texts are not translated yet: they show their source texts
# in every language.
PENDING = [
    "BarcodeSetWidget", "CommandJournal", "CommandText", "DesignHistory", "DesignUndo", "DesignUndo::AddItems",
    "DesignUndo::ChangeItem", "DesignUndo::MoveItems", "DeviceFolder", "EditWidget", "Fleet", "GeneralSetWidget",
    "ImageSetWidget", "MessageFile", "MyTextEditor", "Preflight", "PreflightDialog", "PrintPreviewDialog",
    "PrintTimeline", "SerialNumSetWidget", "ShiftCodeSet", "Station", "StationSettings", "TextSetWidget",
    "TimeSetWidget", "UserStore",
]


def translated_contexts():
    return set(TRANSLATED)


def translation(context, source, comment, lang_index):
    words = CONTEXT_WORDS.get((context, source, comment)) or CONTEXT_WORDS.get((context, source)) \
        or WORDS.get(source)
    return None if words is None else words[lang_index]
