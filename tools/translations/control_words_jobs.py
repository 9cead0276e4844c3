# SPDX-License-Identifier: GPL-3.0-or-later
"""KorvexControl's texts of the jobs windows and their translations, read
through control_words.py: the same rules as there (row order ru, esp, pt,
en, kr, ita, turkish, cn, arabic; placeholders, HTML and units kept)."""

from control_words import row, same  # noqa: F401

JOB_CONTEXTS = {"JobsPanel"}

JOB_WORDS = {
    "Show or hide the jobs view": row("Показать или скрыть задания", "Mostrar u ocultar los trabajos",
                                      "Mostrar ou ocultar os trabalhos", "Show or hide the jobs view",
                                      "작업 보기 표시 또는 숨기기", "Mostra o nascondi i lavori",
                                      "İşleri göster veya gizle", "显示或隐藏任务视图",
                                      "إظهار عرض المهام أو إخفاؤه"),
    # --- the Jobs view ------------------------------------------------------------
    # The tab of the control window and the title of the view.
    "Jobs": row("Задания", "Trabajos", "Trabalhos", "Jobs", "작업", "Lavori", "İşler", "任务", "المهام"),
    "Search products by code, GTIN or name": row(
        "Поиск продукта: код, GTIN или название", "Buscar productos por código, GTIN o nombre",
        "Buscar produtos por código, GTIN ou nome", "Search products by code, GTIN or name",
        "코드, GTIN 또는 이름으로 제품 검색", "Cerca prodotti per codice, GTIN o nome",
        "Ürün ara: kod, GTIN veya ad", "按代码、GTIN 或名称搜索产品", "ابحث عن المنتجات بالرمز أو GTIN أو الاسم"),
    "GTIN": same("GTIN"),
    "Type or scan the GTIN, then Enter": row(
        "Введите или отсканируйте GTIN, затем Enter", "Escriba o escanee el GTIN y pulse Enter",
        "Digite ou leia o GTIN e tecle Enter", "Type or scan the GTIN, then Enter",
        "GTIN을 입력하거나 스캔한 후 Enter", "Digitare o scansionare il GTIN, poi Invio",
        "GTIN'i yazın veya okutun, sonra Enter", "输入或扫描 GTIN，然后按 Enter",
        "اكتب GTIN أو امسحه ثم اضغط Enter"),
    "Product": row("Продукт", "Producto", "Produto", "Product", "제품", "Prodotto", "Ürün", "产品", "المنتج"),
    "Order": row("Заказ", "Pedido", "Pedido", "Order", "주문", "Ordine", "Sipariş", "订单", "الطلب"),
    "Lot": row("Партия", "Lote", "Lote", "Lot", "로트", "Lotto", "Parti", "批号", "الدفعة"),
    "Start job": row("Начать задание", "Iniciar trabajo", "Iniciar trabalho", "Start job", "작업 시작",
                     "Avvia lavoro", "İşi başlat", "开始任务", "بدء المهمة"),
    "Start printing": row("Начать печать", "Iniciar impresión", "Iniciar impressão", "Start printing", "인쇄 시작",
                          "Avvia stampa", "Baskıyı başlat", "开始打印", "بدء الطباعة"),
    "End job": row("Завершить задание", "Terminar trabajo", "Encerrar trabalho", "End job", "작업 종료",
                   "Termina lavoro", "İşi bitir", "结束任务", "إنهاء المهمة"),
    "This window runs no jobs: it has no catalogue.": row(
        "В этом окне нет заданий: нет каталога.", "Esta ventana no ejecuta trabajos: no tiene catálogo.",
        "Esta janela não executa trabalhos: não tem catálogo.", "This window runs no jobs: it has no catalogue.",
        "이 창에서는 작업을 실행할 수 없습니다: 카탈로그가 없습니다.",
        "Questa finestra non esegue lavori: non ha un catalogo.", "Bu pencere iş çalıştırmaz: kataloğu yok.",
        "此窗口不运行任务：没有产品目录。", "لا تشغّل هذه النافذة مهامًا: لا يوجد كتالوج."),
    "The catalogue (%1) is not open; no job starts until it is.": row(
        "Каталог (%1) не открыт; задания не начнутся, пока он закрыт.",
        "El catálogo (%1) no está abierto; ningún trabajo se inicia hasta que lo esté.",
        "O catálogo (%1) não está aberto; nenhum trabalho inicia até que esteja.",
        "The catalogue (%1) is not open; no job starts until it is.",
        "카탈로그(%1)가 열려 있지 않습니다. 열릴 때까지 작업을 시작할 수 없습니다.",
        "Il catalogo (%1) non è aperto; nessun lavoro parte finché non lo è.",
        "Katalog (%1) açık değil; açılana kadar hiçbir iş başlamaz.",
        "产品目录（%1）未打开；打开前无法开始任务。",
        "الكتالوج (%1) غير مفتوح؛ لا تبدأ أي مهمة حتى يُفتح."),
    "Products cannot be listed: %1": row(
        "Не удалось показать продукты: %1", "No se pueden listar los productos: %1",
        "Não é possível listar os produtos: %1", "Products cannot be listed: %1", "제품 목록을 표시할 수 없음: %1",
        "Impossibile elencare i prodotti: %1", "Ürünler listelenemiyor: %1", "无法列出产品：%1",
        "تعذّر عرض المنتجات: %1"),
    "No product has the GTIN %1.": row(
        "Нет продукта с GTIN %1.", "Ningún producto tiene el GTIN %1.", "Nenhum produto tem o GTIN %1.",
        "No product has the GTIN %1.", "GTIN %1인 제품이 없습니다.", "Nessun prodotto ha il GTIN %1.",
        "GTIN %1 olan ürün yok.", "没有 GTIN 为 %1 的产品。", "لا يوجد منتج بالرقم GTIN %1."),
    # In place of the product's code and name while none is chosen.
    "none chosen": row("не выбран", "ninguno elegido", "nenhum escolhido", "none chosen", "선택 안 됨",
                       "nessuno scelto", "seçilmedi", "未选择", "لم يُختر"),
    # The hint in an empty date field: the date is typed in this form whatever
    # the language, so the letters only name the parts.
    "YYYY-MM-DD": row("ГГГГ-ММ-ДД", "AAAA-MM-DD", "AAAA-MM-DD", "YYYY-MM-DD", "YYYY-MM-DD", "AAAA-MM-GG",
                      "YYYY-AA-GG", "YYYY-MM-DD", "YYYY-MM-DD"),
    "Coders: none checked in the device list": row(
        "Маркираторы: в списке устройств не отмечены", "Codificadores: ninguno marcado en la lista de equipos",
        "Codificadores: nenhum marcado na lista de máquinas", "Coders: none checked in the device list",
        "프린터: 장치 목록에서 선택되지 않음", "Codificatori: nessuno selezionato nell'elenco dispositivi",
        "Kodlayıcılar: cihaz listesinde işaretli yok", "喷码机：设备列表中未勾选",
        "الطابعات: لم يُحدَّد أي منها في قائمة الأجهزة"),
    "Coders: %1": row("Маркираторы: %1", "Codificadores: %1", "Codificadores: %1", "Coders: %1", "프린터: %1",
                      "Codificatori: %1", "Kodlayıcılar: %1", "喷码机：%1", "الطابعات: %1"),
    "Not allowed for this product: %1": row(
        "Не разрешены для этого продукта: %1", "No permitidos para este producto: %1",
        "Não permitidos para este produto: %1", "Not allowed for this product: %1", "이 제품에 허용되지 않음: %1",
        "Non ammessi per questo prodotto: %1", "Bu ürün için izin verilmiyor: %1", "不允许用于此产品：%1",
        "غير مسموح بها لهذا المنتج: %1"),
    "Choose a product first.": row(
        "Сначала выберите продукт.", "Elija primero un producto.", "Escolha um produto primeiro.",
        "Choose a product first.", "먼저 제품을 선택하십시오.", "Scegliere prima un prodotto.",
        "Önce bir ürün seçin.", "请先选择产品。", "اختر منتجًا أولًا."),
    "Check the coders of the job in the device list first.": row(
        "Сначала отметьте маркираторы задания в списке устройств.",
        "Marque primero los codificadores del trabajo en la lista de equipos.",
        "Marque primeiro os codificadores do trabalho na lista de máquinas.",
        "Check the coders of the job in the device list first.",
        "먼저 장치 목록에서 작업할 프린터를 선택하십시오.",
        "Selezionare prima i codificatori del lavoro nell'elenco dispositivi.",
        "Önce cihaz listesinde işin kodlayıcılarını işaretleyin.", "请先在设备列表中勾选任务的喷码机。",
        "حدّد أولًا طابعات المهمة في قائمة الأجهزة."),
    "The job was not started: %1": row(
        "Задание не начато: %1", "El trabajo no se inició: %1", "O trabalho não foi iniciado: %1",
        "The job was not started: %1", "작업을 시작하지 못함: %1", "Il lavoro non è stato avviato: %1",
        "İş başlatılmadı: %1", "任务未开始：%1", "لم تبدأ المهمة: %1"),
    "Job %1 started: %2, order %3, lot %4.": row(
        "Задание %1 начато: %2, заказ %3, партия %4.", "Trabajo %1 iniciado: %2, pedido %3, lote %4.",
        "Trabalho %1 iniciado: %2, pedido %3, lote %4.", "Job %1 started: %2, order %3, lot %4.",
        "작업 %1 시작: %2, 주문 %3, 로트 %4.", "Lavoro %1 avviato: %2, ordine %3, lotto %4.",
        "%1 işi başladı: %2, sipariş %3, parti %4.", "任务 %1 已开始：%2，订单 %3，批号 %4。",
        "بدأت المهمة %1: %2، الطلب %3، الدفعة %4."),
    "No job is running in this view.": row(
        "В этом окне нет текущего задания.", "No hay ningún trabajo en curso en esta vista.",
        "Nenhum trabalho em andamento nesta tela.", "No job is running in this view.",
        "이 화면에서 실행 중인 작업이 없습니다.", "Nessun lavoro in corso in questa vista.",
        "Bu görünümde çalışan iş yok.", "此视图中没有正在运行的任务。", "لا توجد مهمة جارية في هذا العرض."),
    "Not started: no coder of job %1 is verified.": row(
        "Не запущено: ни один маркиратор задания %1 не проверен.",
        "No iniciado: ningún codificador del trabajo %1 está verificado.",
        "Não iniciado: nenhum codificador do trabalho %1 está verificado.",
        "Not started: no coder of job %1 is verified.",
        "시작하지 않음: 작업 %1의 프린터 중 확인된 것이 없습니다.",
        "Non avviato: nessun codificatore del lavoro %1 è verificato.",
        "Başlatılmadı: %1 işinin hiçbir kodlayıcısı doğrulanmadı.", "未开始：任务 %1 没有已核实的喷码机。",
        "لم يبدأ: لم يُتحقَّق من أي طابعة في المهمة %1."),
    "Job %1 was not ended: %2": row(
        "Задание %1 не завершено: %2", "El trabajo %1 no se terminó: %2", "O trabalho %1 não foi encerrado: %2",
        "Job %1 was not ended: %2", "작업 %1을(를) 종료하지 못함: %2", "Il lavoro %1 non è stato terminato: %2",
        "%1 işi bitirilmedi: %2", "任务 %1 未结束：%2", "لم تنتهِ المهمة %1: %2"),
    # An order number and its product's code.
    "%1 (%2)": row("%1 (%2)", "%1 (%2)", "%1 (%2)", "%1 (%2)", "%1(%2)", "%1 (%2)", "%1 (%2)", "%1（%2）",
                   "%1 (%2)"),
    "Job %1 ended.": row("Задание %1 завершено.", "Trabajo %1 terminado.", "Trabalho %1 encerrado.",
                         "Job %1 ended.", "작업 %1 종료.", "Lavoro %1 terminato.", "%1 işi bitti.",
                         "任务 %1 已结束。", "انتهت المهمة %1."),
    # A coder of the job and its stage.
    "%1: %2": row("%1: %2", "%1: %2", "%1: %2", "%1: %2", "%1: %2", "%1: %2", "%1: %2", "%1：%2", "%1: %2"),
    "a coder gone": row("маркиратор отключён", "codificador desconectado", "codificador desconectado",
                        "a coder gone", "연결 끊긴 프린터", "codificatore scollegato", "bağlantısı kopan kodlayıcı",
                        "已断开的喷码机", "طابعة منقطعة"),
    "not in the job": row("не в задании", "fuera del trabajo", "fora do trabalho", "not in the job",
                          "작업에 없음", "non nel lavoro", "işte değil", "不在任务中", "ليست في المهمة"),
    # The stages of a coder in a job.
    "sending": row("отправка", "enviando", "enviando", "sending", "전송 중", "invio", "gönderiliyor", "发送中",
                   "جارٍ الإرسال"),
    "verified": row("проверено", "verificado", "verificado", "verified", "확인됨", "verificato", "doğrulandı",
                    "已核实", "تم التحقق"),
    "running": row("работает", "en marcha", "em execução", "running", "실행 중", "in corso", "çalışıyor",
                   "运行中", "قيد التشغيل"),
    "mismatch": row("не совпадает", "no coincide", "não confere", "mismatch", "불일치", "non corrisponde",
                    "uyuşmuyor", "不一致", "غير مطابق"),
    "not verified": row("не проверено", "sin verificar", "não verificado", "not verified", "확인되지 않음",
                        "non verificato", "doğrulanmadı", "未核实", "لم يُتحقَّق"),

    # --- the device list's tooltip -------------------------------------------------
    "Job: %1": row("Задание: %1", "Trabajo: %1", "Trabalho: %1", "Job: %1", "작업: %1", "Lavoro: %1", "İş: %1",
                   "任务：%1", "المهمة: %1"),
    "Lot: %1": row("Партия: %1", "Lote: %1", "Lote: %1", "Lot: %1", "로트: %1", "Lotto: %1", "Parti: %1",
                   "批号：%1", "الدفعة: %1"),
    "Job state: %1": row("Этап задания: %1", "Estado del trabajo: %1", "Estado do trabalho: %1",
                         "Job state: %1", "작업 상태: %1", "Stato del lavoro: %1", "İş durumu: %1",
                         "任务状态：%1", "حالة المهمة: %1"),

    # --- the preview's caption: the coder's message read back -----------------------
    "%1, read back %2": row(
        "%1, проверено в %2", "%1, releído a las %2", "%1, relido às %2", "%1, read back %2",
        "%1, %2에 확인됨", "%1, riletto alle %2", "%1, %2 saatinde geri okundu", "%1，%2 已回读",
        "%1، قُرئ مجددًا في %2"),
    "%1, read back %2: not the message sent\nsent SHA-256 %3\nheld SHA-256 %4": row(
        "%1, проверено в %2: не то сообщение, что отправлено\nотправлено SHA-256 %3\nв маркираторе SHA-256 %4",
        "%1, releído a las %2: no es el mensaje enviado\nenviado SHA-256 %3\nen el equipo SHA-256 %4",
        "%1, relido às %2: não é a mensagem enviada\nenviada SHA-256 %3\nna máquina SHA-256 %4",
        "%1, read back %2: not the message sent\nsent SHA-256 %3\nheld SHA-256 %4",
        "%1, %2에 확인됨: 보낸 메시지가 아님\n보낸 SHA-256 %3\n프린터의 SHA-256 %4",
        "%1, riletto alle %2: non è il messaggio inviato\ninviato SHA-256 %3\nnel codificatore SHA-256 %4",
        "%1, %2 saatinde geri okundu: gönderilen mesaj değil\ngönderilen SHA-256 %3\nkodlayıcıdaki SHA-256 %4",
        "%1，%2 已回读：不是所发送的信息\n发送的 SHA-256 %3\n喷码机中的 SHA-256 %4",
        "%1، قُرئ مجددًا في %2: ليست الرسالة المرسلة\nالمرسلة SHA-256 %3\nفي الطابعة SHA-256 %4"),
    "%1: no read-back since %2 (sent SHA-256 %3)": row(
        "%1: нет ответа для проверки с %2 (отправлено SHA-256 %3)",
        "%1: sin relectura desde las %2 (enviado SHA-256 %3)",
        "%1: sem releitura desde %2 (enviada SHA-256 %3)",
        "%1: no read-back since %2 (sent SHA-256 %3)",
        "%1: %2 이후 확인 응답 없음(보낸 SHA-256 %3)",
        "%1: nessuna rilettura dalle %2 (inviato SHA-256 %3)",
        "%1: %2 saatinden beri geri okuma yok (gönderilen SHA-256 %3)",
        "%1：自 %2 起未回读（发送的 SHA-256 %3）",
        "%1: لا قراءة مجددة منذ %2 (المرسلة SHA-256 %3)"),
    "%1, waiting for the read-back": row(
        "%1, ожидание проверки", "%1, esperando la relectura", "%1, aguardando a releitura",
        "%1, waiting for the read-back", "%1, 확인 응답 대기 중", "%1, in attesa della rilettura",
        "%1, geri okuma bekleniyor", "%1，等待回读", "%1، في انتظار القراءة المجددة"),

    # --- roles, the session, the station's settings --------------------------------
    "run jobs": row("выполнять задания", "ejecutar trabajos", "executar trabalhos", "run jobs", "작업 실행",
                    "eseguire lavori", "iş çalıştırma", "运行任务", "تشغيل المهام"),
    "edit products": row("изменять продукты", "editar productos", "editar produtos", "edit products", "제품 편집",
                         "modificare i prodotti", "ürün düzenleme", "编辑产品", "تحرير المنتجات"),
    "sign templates": row("подписывать шаблоны", "firmar plantillas", "assinar modelos", "sign templates",
                          "템플릿 서명", "firmare i modelli", "şablon imzalama", "签署模板", "توقيع القوالب"),
    "send messages outside a job": row(
        "отправлять сообщения вне задания", "enviar mensajes fuera de un trabajo",
        "enviar mensagens fora de um trabalho", "send messages outside a job", "작업 외 메시지 전송",
        "inviare messaggi fuori da un lavoro", "iş dışında mesaj gönderme", "在任务之外发送信息",
        "إرسال الرسائل خارج مهمة"),
    '[jobs] enabled must be true or false, not "%1"': row(
        "[jobs] enabled должно быть true или false, а не «%1»",
        '[jobs] enabled debe ser true o false, no "%1"',
        '[jobs] enabled deve ser true ou false, não "%1"',
        '[jobs] enabled must be true or false, not "%1"',
        '[jobs] enabled는 true 또는 false여야 합니다("%1" 아님)',
        '[jobs] enabled deve essere true o false, non "%1"',
        '[jobs] enabled true veya false olmalı, "%1" değil',
        '[jobs] enabled 必须为 true 或 false，而不是 "%1"',
        '[jobs] enabled يجب أن تكون true أو false، لا "%1"'),
}
