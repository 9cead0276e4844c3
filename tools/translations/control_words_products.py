# SPDX-License-Identifier: GPL-3.0-or-later
"""KorvexControl's texts of the products windows and their translations, read
through control_words.py: the same rules as there (row order ru, esp, pt,
en, kr, ita, turkish, cn, arabic; placeholders, HTML and units kept)."""

from control_words import row, same  # noqa: F401

PRODUCT_CONTEXTS = {"ProductsDialog", "ProductsLink", "SignatureDialog", "TemplateSigning", "BatchRecordsDialog", "BatchRecordPdf"}

PRODUCT_WORDS = {
    # --- the products window --------------------------------------------------
    "Products": row("Продукты", "Productos", "Produtos", "Products", "제품", "Prodotti", "Ürünler", "产品",
                    "المنتجات"),
    "Products, template approvals and batch records": row(
        "Продукты, утверждение шаблонов и протоколы партий", "Productos, aprobación de plantillas y registros de lote",
        "Produtos, aprovação de modelos e registros de lote", "Products, template approvals and batch records",
        "제품, 템플릿 승인, 배치 기록", "Prodotti, approvazione dei modelli e registri di lotto",
        "Ürünler, şablon onayları ve parti kayıtları", "产品、模板审批和批记录",
        "المنتجات واعتماد القوالب وسجلات الدفعات"),
    "Search code, GTIN or name": row("Поиск по коду, GTIN или названию", "Buscar código, GTIN o nombre",
                                     "Buscar código, GTIN ou nome", "Search code, GTIN or name",
                                     "코드, GTIN 또는 이름 검색", "Cerca codice, GTIN o nome",
                                     "Kod, GTIN veya ad ara", "搜索代码、GTIN 或名称",
                                     "البحث بالرمز أو GTIN أو الاسم"),
    "GTIN": same("GTIN"),
    "Name": row("Название", "Nombre", "Nome", "Name", "이름", "Nome", "Ad", "名称", "الاسم"),
    "Previous": row("Назад", "Anterior", "Anterior", "Previous", "이전", "Precedente", "Önceki", "上一页",
                    "السابق"),
    "Next": row("Далее", "Siguiente", "Próximo", "Next", "다음", "Successivo", "Sonraki", "下一页", "التالي"),
    "Template": row("Шаблон", "Plantilla", "Modelo", "Template", "템플릿", "Modello", "Şablon", "模板", "القالب"),
    "Approve...": row("Утвердить...", "Aprobar...", "Aprovar...", "Approve...", "승인...", "Approva...",
                      "Onayla...", "审批...", "اعتماد..."),
    "Shelf life": row("Срок годности", "Vida útil", "Validade", "Shelf life", "유통기한", "Durata di conservazione",
                      "Raf ömrü", "保质期", "مدة الصلاحية"),
    # Examples of what the box takes: it reads these English words only.
    "30 days, 18 months, 18 months, end of month": same("30 days, 18 months, 18 months, end of month"),
    # Examples of coder names and addresses: kept as they are.
    "Line *; 127.0.0.*": same("Line *; 127.0.0.*"),
    "Job fields": row("Поля задания", "Campos del trabajo", "Campos do trabalho", "Job fields", "작업 항목",
                      "Campi del lavoro", "İş alanları", "作业字段", "حقول المهمة"),
    # An example of the fields as they are written: JSON, kept as it is.
    '[{"name":"lot","label":"Lot","kind":"text","pattern":"[A-Z0-9]{4,10}","required":true}]': same(
        '[{"name":"lot","label":"Lot","kind":"text","pattern":"[A-Z0-9]{4,10}","required":true}]'),
    "Import CSV...": row("Импорт CSV...", "Importar CSV...", "Importar CSV...", "Import CSV...", "CSV 가져오기...",
                         "Importa CSV...", "CSV içe aktar...", "导入 CSV...", "استيراد CSV..."),
    "Export CSV...": row("Экспорт CSV...", "Exportar CSV...", "Exportar CSV...", "Export CSV...",
                         "CSV 내보내기...", "Esporta CSV...", "CSV dışa aktar...", "导出 CSV...", "تصدير CSV..."),
    "Export PDF...": row("Экспорт PDF...", "Exportar PDF...", "Exportar PDF...", "Export PDF...",
                         "PDF 내보내기...", "Esporta PDF...", "PDF dışa aktar...", "导出 PDF...", "تصدير PDF..."),
    "Batch records...": row("Протоколы партий...", "Registros de lote...", "Registros de lote...",
                            "Batch records...", "배치 기록...", "Registri di lotto...", "Parti kayıtları...",
                            "批记录...", "سجلات الدفعات..."),
    "CSV files (*.csv);;All files (*)": row(
        "Файлы CSV (*.csv);;Все файлы (*)", "Archivos CSV (*.csv);;Todos los archivos (*)",
        "Arquivos CSV (*.csv);;Todos os arquivos (*)", "CSV files (*.csv);;All files (*)",
        "CSV 파일 (*.csv);;모든 파일 (*)", "File CSV (*.csv);;Tutti i file (*)",
        "CSV dosyaları (*.csv);;Tüm dosyalar (*)", "CSV 文件 (*.csv);;所有文件 (*)",
        "ملفات CSV (*.csv);;كل الملفات (*)"),
    "PDF files (*.pdf);;All files (*)": row(
        "Файлы PDF (*.pdf);;Все файлы (*)", "Archivos PDF (*.pdf);;Todos los archivos (*)",
        "Arquivos PDF (*.pdf);;Todos os arquivos (*)", "PDF files (*.pdf);;All files (*)",
        "PDF 파일 (*.pdf);;모든 파일 (*)", "File PDF (*.pdf);;Tutti i file (*)",
        "PDF dosyaları (*.pdf);;Tüm dosyalar (*)", "PDF 文件 (*.pdf);;所有文件 (*)",
        "ملفات PDF (*.pdf);;كل الملفات (*)"),
    "The products cannot be read: %1": row(
        "Продукты не читаются: %1", "No se pueden leer los productos: %1", "Os produtos não podem ser lidos: %1",
        "The products cannot be read: %1", "제품을 읽을 수 없음: %1", "Impossibile leggere i prodotti: %1",
        "Ürünler okunamıyor: %1", "无法读取产品：%1", "تتعذّر قراءة المنتجات: %1"),
    "no products": row("нет продуктов", "ningún producto", "nenhum produto", "no products", "제품 없음",
                       "nessun prodotto", "ürün yok", "无产品", "لا منتجات"),
    # The rows shown, from - to, of all.
    "%1-%2 of %3": row("%1-%2 из %3", "%1-%2 de %3", "%1-%2 de %3", "%1-%2 of %3", "%1-%2 / %3", "%1-%2 di %3",
                       "%1-%2 / %3", "%1-%2，共 %3", "%1-%2 من %3"),
    "new product": row("новый продукт", "producto nuevo", "produto novo", "new product", "새 제품",
                       "nuovo prodotto", "yeni ürün", "新产品", "منتج جديد"),
    "saved by %1, %2 (revision %3)": row(
        "сохранил %1, %2 (версия %3)", "guardado por %1, %2 (revisión %3)", "salvo por %1, %2 (revisão %3)",
        "saved by %1, %2 (revision %3)", "%1 님이 저장, %2 (개정 %3)", "salvato da %1, %2 (revisione %3)",
        "%1 kaydetti, %2 (revizyon %3)", "由 %1 保存，%2（修订 %3）", "حفظه %1، %2 (المراجعة %3)"),
    "check digit good: %1": row(
        "контрольная цифра верна: %1", "dígito de control correcto: %1", "dígito verificador correto: %1",
        "check digit good: %1", "검사 숫자 정상: %1", "cifra di controllo corretta: %1",
        "kontrol basamağı doğru: %1", "校验位正确：%1", "رقم التحقق صحيح: %1"),
    "%1 is not saved: %2": row(
        "%1 не сохранён: %2", "%1 no se guardó: %2", "%1 não foi salvo: %2", "%1 is not saved: %2",
        "%1을(를) 저장하지 않음: %2", "%1 non salvato: %2", "%1 kaydedilmedi: %2", "%1 未保存：%2",
        "لم يُحفظ %1: %2"),
    "%1 saved.": row("%1 сохранён.", "%1 guardado.", "%1 salvo.", "%1 saved.", "%1 저장됨.", "%1 salvato.",
                     "%1 kaydedildi.", "%1 已保存。", "حُفظ %1."),
    "Approve a template": row("Утвердить шаблон", "Aprobar una plantilla", "Aprovar um modelo",
                              "Approve a template", "템플릿 승인", "Approva un modello", "Şablon onayla",
                              "审批模板", "اعتماد قالب"),
    "%1 approved.": row("%1 утверждён.", "%1 aprobada.", "%1 aprovado.", "%1 approved.", "%1 승인됨.",
                        "%1 approvato.", "%1 onaylandı.", "%1 已审批。", "اعتُمد %1."),
    "Import products": row("Импорт продуктов", "Importar productos", "Importar produtos", "Import products",
                           "제품 가져오기", "Importa prodotti", "Ürünleri içe aktar", "导入产品",
                           "استيراد المنتجات"),
    "Nothing imported: %1": row(
        "Ничего не импортировано: %1", "No se importó nada: %1", "Nada foi importado: %1", "Nothing imported: %1",
        "가져온 항목 없음: %1", "Nulla importato: %1", "Hiçbir şey içe aktarılmadı: %1", "未导入任何内容：%1",
        "لم يُستورد شيء: %1"),
    "%1 products imported, %2 rows refused.": row(
        "Импортировано продуктов: %1, отклонено строк: %2.", "%1 productos importados, %2 filas rechazadas.",
        "%1 produtos importados, %2 linhas recusadas.", "%1 products imported, %2 rows refused.",
        "제품 %1개 가져옴, %2행 거부됨.", "%1 prodotti importati, %2 righe rifiutate.",
        "%1 ürün içe aktarıldı, %2 satır reddedildi.", "已导入 %1 个产品，拒绝 %2 行。",
        "استُورد %1 منتج، ورُفض %2 صف."),
    # A refused row of the file: its line, its product code, the reason.
    "line %1 (%2): %3": row("строка %1 (%2): %3", "línea %1 (%2): %3", "linha %1 (%2): %3", "line %1 (%2): %3",
                            "%1행 (%2): %3", "riga %1 (%2): %3", "satır %1 (%2): %3", "第 %1 行（%2）：%3",
                            "السطر %1 (%2): %3"),
    "and %1 more": row("и ещё %1", "y %1 más", "e mais %1", "and %1 more", "외 %1개", "e altri %1",
                       "ve %1 tane daha", "另有 %1 项", "و%1 أخرى"),
    "Columns ignored: %1": row("Пропущены столбцы: %1", "Columnas ignoradas: %1", "Colunas ignoradas: %1",
                               "Columns ignored: %1", "무시된 열: %1", "Colonne ignorate: %1",
                               "Yok sayılan sütunlar: %1", "已忽略的列：%1", "أعمدة متجاهلة: %1"),
    "Export products": row("Экспорт продуктов", "Exportar productos", "Exportar produtos", "Export products",
                           "제품 내보내기", "Esporta prodotti", "Ürünleri dışa aktar", "导出产品",
                           "تصدير المنتجات"),
    "Not exported: %1": row("Не экспортировано: %1", "No se exportó: %1", "Não exportado: %1",
                            "Not exported: %1", "내보내지 않음: %1", "Non esportato: %1", "Dışa aktarılmadı: %1",
                            "未导出：%1", "لم يُصدَّر: %1"),
    "Products exported to %1.": row(
        "Продукты экспортированы в %1.", "Productos exportados a %1.", "Produtos exportados para %1.",
        "Products exported to %1.", "제품을 %1(으)로 내보냄.", "Prodotti esportati in %1.",
        "Ürünler %1 dosyasına aktarıldı.", "产品已导出到 %1。", "صُدّرت المنتجات إلى %1."),

    # --- the catalogue behind it ------------------------------------------------
    "The catalogue is not open (%1); it is tried again.": row(
        "Каталог не открыт (%1); будет новая попытка.", "El catálogo no está abierto (%1); se vuelve a intentar.",
        "O catálogo não está aberto (%1); será tentado de novo.",
        "The catalogue is not open (%1); it is tried again.", "카탈로그가 열려 있지 않음(%1). 다시 시도합니다.",
        "Il catalogo non è aperto (%1); si riprova.", "Katalog açık değil (%1); yeniden denenecek.",
        "目录未打开（%1）；将重试。", "الكتالوج غير مفتوح (%1)؛ ستُعاد المحاولة."),
    "the catalogue is not open": row(
        "каталог не открыт", "el catálogo no está abierto", "o catálogo não está aberto",
        "the catalogue is not open", "카탈로그가 열려 있지 않음", "il catalogo non è aperto", "katalog açık değil",
        "目录未打开", "الكتالوج غير مفتوح"),
    # Who saved the template is not known, so the saver may sign it too.
    "The save of %1 is not in the catalogue (%2): anyone may sign this version.": row(
        "Сохранение %1 не записано в каталог (%2): эту версию может подписать любой.",
        "El guardado de %1 no consta en el catálogo (%2): cualquiera puede firmar esta versión.",
        "O salvamento de %1 não está no catálogo (%2): qualquer um pode assinar esta versão.",
        "The save of %1 is not in the catalogue (%2): anyone may sign this version.",
        "%1의 저장이 카탈로그에 기록되지 않음(%2): 누구나 이 버전에 서명할 수 있습니다.",
        "Il salvataggio di %1 non è nel catalogo (%2): chiunque può firmare questa versione.",
        "%1 kaydı katalogda yok (%2): bu sürümü herkes imzalayabilir.",
        "%1 的保存未记入目录（%2）：任何人都可签署此版本。",
        "حفظ %1 غير مسجّل في الكتالوج (%2): يمكن لأي شخص توقيع هذه النسخة."),

    # --- signing a template -----------------------------------------------------
    "Meaning": row("Значение подписи", "Significado", "Significado", "Meaning", "서명 의미", "Significato",
                   "Anlamı", "签名含义", "معنى التوقيع"),
    "You sign %1, SHA-256 %2: give your name and password again.": row(
        "Вы подписываете %1, SHA-256 %2: введите имя и пароль ещё раз.",
        "Firma %1, SHA-256 %2: introduzca de nuevo su nombre y contraseña.",
        "Você assina %1, SHA-256 %2: digite seu nome e senha de novo.",
        "You sign %1, SHA-256 %2: give your name and password again.",
        "%1, SHA-256 %2에 서명합니다. 이름과 비밀번호를 다시 입력하십시오.",
        "Si firma %1, SHA-256 %2: inserire di nuovo nome e password.",
        "%1, SHA-256 %2 imzalıyorsunuz: adınızı ve parolanızı yeniden girin.",
        "您正在签署 %1，SHA-256 %2：请再次输入用户名和密码。",
        "أنت توقّع %1، SHA-256 %2: أدخل اسمك وكلمة المرور مرة أخرى."),
    "Users are off: the approval of %1, SHA-256 %2, is recorded under the system login and marked unsigned.": row(
        "Пользователи выключены: утверждение %1, SHA-256 %2, записывается под системной учётной записью и "
        "помечается как неподписанное.",
        "Usuarios desactivados: la aprobación de %1, SHA-256 %2, se registra con el usuario del sistema y se "
        "marca sin firma.",
        "Usuários desativados: a aprovação de %1, SHA-256 %2, é registrada com o login do sistema e marcada sem "
        "assinatura.",
        "Users are off: the approval of %1, SHA-256 %2, is recorded under the system login and marked unsigned.",
        "사용자 기능 꺼짐: %1, SHA-256 %2의 승인은 시스템 로그인으로 기록되고 서명 없음으로 표시됩니다.",
        "Utenti disattivati: l'approvazione di %1, SHA-256 %2, è registrata con l'utente di sistema e segnata "
        "come non firmata.",
        "Kullanıcılar kapalı: %1, SHA-256 %2 onayı sistem oturumuyla kaydedilir ve imzasız olarak işaretlenir.",
        "已停用用户：%1（SHA-256 %2）的审批以系统登录名记录，并标记为未签名。",
        "المستخدمون معطّلون: يُسجَّل اعتماد %1، SHA-256 %2، باسم دخول النظام ويُعلَّم بأنه غير موقّع."),
    # The meaning a signature gives by default.
    "Approved for production": row(
        "Утверждено для производства", "Aprobado para producción", "Aprovado para produção",
        "Approved for production", "생산 승인", "Approvato per la produzione", "Üretim için onaylandı",
        "批准用于生产", "معتمد للإنتاج"),
    "A signature needs its meaning.": row(
        "Укажите значение подписи.", "La firma necesita su significado.", "A assinatura precisa do significado.",
        "A signature needs its meaning.", "서명 의미를 입력하십시오.", "La firma richiede il suo significato.",
        "İmzanın anlamı girilmeli.", "签名需要填写含义。", "يحتاج التوقيع إلى معناه."),
    "Only the user signed in (%1) may sign here.": row(
        "Здесь может подписать только вошедший пользователь (%1).",
        "Solo el usuario con sesión iniciada (%1) puede firmar aquí.",
        "Somente o usuário conectado (%1) pode assinar aqui.", "Only the user signed in (%1) may sign here.",
        "로그인한 사용자(%1)만 여기에 서명할 수 있습니다.",
        "Solo l'utente che ha eseguito l'accesso (%1) può firmare qui.",
        "Burada yalnızca oturum açan kullanıcı (%1) imzalayabilir.", "只有已登录的用户（%1）可以在此签名。",
        "لا يوقّع هنا إلا المستخدم المسجّل الدخول (%1)."),
    "nobody": row("никто", "nadie", "ninguém", "nobody", "없음", "nessuno", "kimse", "无人", "لا أحد"),
    "Not signed: %1": row("Не подписано: %1", "No firmado: %1", "Não assinado: %1", "Not signed: %1",
                          "서명하지 않음: %1", "Non firmato: %1", "İmzalanmadı: %1", "未签名：%1",
                          "لم يُوقَّع: %1"),
    "Not signed: only a Supervisor or an Administrator may approve templates.": row(
        "Не подписано: утверждать шаблоны может только мастер или администратор.",
        "No firmado: solo un Supervisor o un Administrador puede aprobar plantillas.",
        "Não assinado: somente um Supervisor ou um Administrador pode aprovar modelos.",
        "Not signed: only a Supervisor or an Administrator may approve templates.",
        "서명하지 않음: 템플릿은 감독자 또는 관리자만 승인할 수 있습니다.",
        "Non firmato: solo un Supervisore o un Amministratore può approvare i modelli.",
        "İmzalanmadı: şablonları yalnızca Sorumlu veya Yönetici onaylayabilir.",
        "未签名：只有主管或管理员可以审批模板。",
        "لم يُوقَّع: لا يعتمد القوالب إلا مشرف أو مسؤول."),
    "The approval is stored, but not in the journal: %1": row(
        "Утверждение сохранено, но не записано в журнал: %1",
        "La aprobación se guardó, pero no en el registro: %1",
        "A aprovação foi salva, mas não no registro: %1", "The approval is stored, but not in the journal: %1",
        "승인은 저장되었지만 작업 기록에는 없음: %1", "L'approvazione è salvata, ma non nel registro: %1",
        "Onay kaydedildi, ancak kayıt defterine yazılmadı: %1", "审批已保存，但未记入日志：%1",
        "حُفظ الاعتماد، لكن ليس في السجل: %1"),
    # Meaning, signer, time, checksum of an approval.
    "%1 by %2 (unsigned: users are off), %3, SHA-256 %4": row(
        "%1: %2 (без подписи: пользователи выключены), %3, SHA-256 %4",
        "%1 por %2 (sin firma: usuarios desactivados), %3, SHA-256 %4",
        "%1 por %2 (sem assinatura: usuários desativados), %3, SHA-256 %4",
        "%1 by %2 (unsigned: users are off), %3, SHA-256 %4",
        "%1, %2 (서명 없음: 사용자 기능 꺼짐), %3, SHA-256 %4",
        "%1 da %2 (non firmato: utenti disattivati), %3, SHA-256 %4",
        "%1, %2 (imzasız: kullanıcılar kapalı), %3, SHA-256 %4",
        "%1，%2（未签名：已停用用户），%3，SHA-256 %4",
        "%1 بواسطة %2 (غير موقّع: المستخدمون معطّلون)، %3، SHA-256 %4"),
    "%1, signed by %2, %3, SHA-256 %4": row(
        "%1, подписал %2, %3, SHA-256 %4", "%1, firmado por %2, %3, SHA-256 %4",
        "%1, assinado por %2, %3, SHA-256 %4", "%1, signed by %2, %3, SHA-256 %4",
        "%1, 서명자 %2, %3, SHA-256 %4", "%1, firmato da %2, %3, SHA-256 %4", "%1, imzalayan %2, %3, SHA-256 %4",
        "%1，签名人 %2，%3，SHA-256 %4", "%1، وقّعه %2، %3، SHA-256 %4"),
    "not approved: %1": row("не утверждён: %1", "no aprobada: %1", "não aprovado: %1", "not approved: %1",
                            "승인되지 않음: %1", "non approvato: %1", "onaylanmadı: %1", "未审批：%1",
                            "غير معتمد: %1"),
    "not approved (SHA-256 %1)": row(
        "не утверждён (SHA-256 %1)", "no aprobada (SHA-256 %1)", "não aprovado (SHA-256 %1)",
        "not approved (SHA-256 %1)", "승인되지 않음(SHA-256 %1)", "non approvato (SHA-256 %1)",
        "onaylanmadı (SHA-256 %1)", "未审批（SHA-256 %1）", "غير معتمد (SHA-256 %1)"),
    "approval unknown: %1": row("утверждение неизвестно: %1", "aprobación desconocida: %1",
                                "aprovação desconhecida: %1", "approval unknown: %1", "승인 여부 알 수 없음: %1",
                                "approvazione sconosciuta: %1", "onay bilinmiyor: %1", "审批状态未知：%1",
                                "الاعتماد غير معروف: %1"),

    # --- batch records ----------------------------------------------------------
    "Batch records": row("Протоколы партий", "Registros de lote", "Registros de lote", "Batch records",
                         "배치 기록", "Registri di lotto", "Parti kayıtları", "批记录", "سجلات الدفعات"),
    # A date field's display format, not words.
    "yyyy-MM-dd": same("yyyy-MM-dd"),
    "To": row("По", "Hasta", "Até", "To", "~", "A", "Bitiş", "到", "إلى"),
    "Lot": row("Партия", "Lote", "Lote", "Lot", "로트", "Lotto", "Lot", "批号", "التشغيلة"),
    "Find": row("Найти", "Buscar", "Buscar", "Find", "찾기", "Cerca", "Bul", "查找", "بحث"),
    "Job": row("Задание", "Trabajo", "Trabalho", "Job", "작업", "Lavoro", "İş", "作业", "المهمة"),
    "Started": row("Начато", "Inicio", "Início", "Started", "시작", "Inizio", "Başladı", "开始", "البدء"),
    "Product": row("Продукт", "Producto", "Produto", "Product", "제품", "Prodotto", "Ürün", "产品", "المنتج"),
    "Order": row("Заказ", "Pedido", "Pedido", "Order", "주문", "Ordine", "Sipariş", "订单", "الطلب"),
    "Ended": row("Завершено", "Fin", "Fim", "Ended", "종료", "Fine", "Bitti", "结束", "الانتهاء"),
    "%n jobs": row(
        ["%n задание", "%n задания", "%n заданий"],
        ["%n trabajo", "%n trabajos"],
        ["%n trabalho", "%n trabalhos"],
        ["%n job", "%n jobs"],
        ["작업 %n개"],
        ["%n lavoro", "%n lavori"],
        ["%n iş"],
        ["%n 个作业"],
        ["لا مهام (%n)", "مهمة واحدة", "مهمتان", "%n مهام", "%n مهمة", "%n مهمة"]),
    "The batch records cannot be read: %1": row(
        "Протоколы партий не читаются: %1", "No se pueden leer los registros de lote: %1",
        "Os registros de lote não podem ser lidos: %1", "The batch records cannot be read: %1",
        "배치 기록을 읽을 수 없음: %1", "Impossibile leggere i registri di lotto: %1",
        "Parti kayıtları okunamıyor: %1", "无法读取批记录：%1", "تتعذّر قراءة سجلات الدفعات: %1"),
    # The template's name, its approval; the checksum of the message sent.
    "Template %1: %2\nMessage sent: SHA-256 %3": row(
        "Шаблон %1: %2\nОтправленное сообщение: SHA-256 %3", "Plantilla %1: %2\nMensaje enviado: SHA-256 %3",
        "Modelo %1: %2\nMensagem enviada: SHA-256 %3", "Template %1: %2\nMessage sent: SHA-256 %3",
        "템플릿 %1: %2\n보낸 메시지: SHA-256 %3", "Modello %1: %2\nMessaggio inviato: SHA-256 %3",
        "Şablon %1: %2\nGönderilen mesaj: SHA-256 %3", "模板 %1：%2\n已发送信息：SHA-256 %3",
        "القالب %1: %2\nالرسالة المرسلة: SHA-256 %3"),
    "run without an approval": row(
        "запущено без утверждения", "ejecutado sin aprobación", "executado sem aprovação",
        "run without an approval", "승인 없이 실행됨", "eseguito senza approvazione", "onaysız çalıştırıldı",
        "未经审批运行", "شُغّل بلا اعتماد"),
    "Export the batch record": row(
        "Экспорт протокола партии", "Exportar el registro de lote", "Exportar o registro de lote",
        "Export the batch record", "배치 기록 내보내기", "Esporta il registro di lotto", "Parti kaydını dışa aktar",
        "导出批记录", "تصدير سجل الدفعة"),

    # --- the batch record as PDF --------------------------------------------------
    "the message is too large to draw": row(
        "сообщение слишком велико для рисунка", "el mensaje es demasiado grande para dibujarlo",
        "a mensagem é grande demais para desenhar", "the message is too large to draw",
        "메시지가 너무 커서 그릴 수 없음", "il messaggio è troppo grande da disegnare",
        "mesaj çizilemeyecek kadar büyük", "信息太大，无法绘制", "الرسالة أكبر من أن تُرسم"),
    "%1 cannot be written": row("%1 не записывается", "No se puede escribir %1", "%1 não pode ser gravado",
                                "%1 cannot be written", "%1을(를) 쓸 수 없음", "%1 non è scrivibile",
                                "%1 yazılamıyor", "无法写入 %1", "تتعذّر كتابة %1"),
    "Batch record of job %1": row(
        "Протокол партии задания %1", "Registro de lote del trabajo %1", "Registro de lote do trabalho %1",
        "Batch record of job %1", "작업 %1의 배치 기록", "Registro di lotto del lavoro %1",
        "%1 işinin parti kaydı", "作业 %1 的批记录", "سجل دفعة المهمة %1"),
    "Batch record: job %1": row(
        "Протокол партии: задание %1", "Registro de lote: trabajo %1", "Registro de lote: trabalho %1",
        "Batch record: job %1", "배치 기록: 작업 %1", "Registro di lotto: lavoro %1", "Parti kaydı: iş %1",
        "批记录：作业 %1", "سجل الدفعة: المهمة %1"),
    # The product's code and name.
    "Product: %1 %2": row("Продукт: %1 %2", "Producto: %1 %2", "Produto: %1 %2", "Product: %1 %2",
                          "제품: %1 %2", "Prodotto: %1 %2", "Ürün: %1 %2", "产品：%1 %2", "المنتج: %1 %2"),
    "Order: %1    Lot: %2": row(
        "Заказ: %1    Партия: %2", "Pedido: %1    Lote: %2", "Pedido: %1    Lote: %2", "Order: %1    Lot: %2",
        "주문: %1    로트: %2", "Ordine: %1    Lotto: %2", "Sipariş: %1    Lot: %2", "订单：%1    批号：%2",
        "الطلب: %1    التشغيلة: %2"),
    "Started: %1 by %2": row(
        "Начато: %1, %2", "Inicio: %1 por %2", "Início: %1 por %2", "Started: %1 by %2", "시작: %1, %2",
        "Inizio: %1 da %2", "Başladı: %1, %2", "开始：%1，操作人 %2", "البدء: %1 بواسطة %2"),
    "Ended: not yet": row("Завершено: ещё нет", "Fin: todavía no", "Fim: ainda não", "Ended: not yet",
                          "종료: 아직 안 됨", "Fine: non ancora", "Bitti: henüz değil", "结束：尚未结束",
                          "الانتهاء: ليس بعد"),
    "Ended: %1 by %2": row(
        "Завершено: %1, %2", "Fin: %1 por %2", "Fim: %1 por %2", "Ended: %1 by %2", "종료: %1, %2",
        "Fine: %1 da %2", "Bitti: %1, %2", "结束：%1，操作人 %2", "الانتهاء: %1 بواسطة %2"),
    "Field values": row("Значения полей", "Valores de los campos", "Valores dos campos", "Field values",
                        "항목 값", "Valori dei campi", "Alan değerleri", "字段值", "قيم الحقول"),
    # The template's name and checksum.
    "%1, SHA-256 %2": row("%1, SHA-256 %2", "%1, SHA-256 %2", "%1, SHA-256 %2", "%1, SHA-256 %2",
                          "%1, SHA-256 %2", "%1, SHA-256 %2", "%1, SHA-256 %2", "%1，SHA-256 %2",
                          "%1، SHA-256 %2"),
    "Signature: %1": row("Подпись: %1", "Firma: %1", "Assinatura: %1", "Signature: %1", "서명: %1",
                         "Firma: %1", "İmza: %1", "签名：%1", "التوقيع: %1"),
    "Message sent": row("Отправленное сообщение", "Mensaje enviado", "Mensagem enviada", "Message sent",
                        "보낸 메시지", "Messaggio inviato", "Gönderilen mesaj", "已发送信息", "الرسالة المرسلة"),
    "SHA-256 %1": same("SHA-256 %1"),
    "(no picture: the message sent is no longer in the folder of jobs)": row(
        "(нет картинки: отправленного сообщения уже нет в папке заданий)",
        "(sin imagen: el mensaje enviado ya no está en la carpeta de trabajos)",
        "(sem imagem: a mensagem enviada não está mais na pasta de trabalhos)",
        "(no picture: the message sent is no longer in the folder of jobs)",
        "(그림 없음: 보낸 메시지가 작업 폴더에 더 이상 없음)",
        "(nessuna immagine: il messaggio inviato non è più nella cartella dei lavori)",
        "(resim yok: gönderilen mesaj artık iş klasöründe değil)",
        "（无图片：已发送信息已不在作业文件夹中）",
        "(لا صورة: الرسالة المرسلة لم تعد في مجلد المهام)"),
    "(no picture: %1)": row("(нет картинки: %1)", "(sin imagen: %1)", "(sem imagem: %1)", "(no picture: %1)",
                            "(그림 없음: %1)", "(nessuna immagine: %1)", "(resim yok: %1)", "（无图片：%1）",
                            "(لا صورة: %1)"),
    # Address and name of a coder, its result and when; the checksum it read back.
    "%1 %2: %3 at %4; read back %5": row(
        "%1 %2: %3 в %4; считано %5", "%1 %2: %3 a las %4; leído %5", "%1 %2: %3 às %4; lido %5",
        "%1 %2: %3 at %4; read back %5", "%1 %2: %3 (%4), 읽은 값 %5", "%1 %2: %3 alle %4; riletto %5",
        "%1 %2: %3, %4; geri okunan %5", "%1 %2：%3，时间 %4；读回 %5", "%1 %2: %3 في %4؛ المقروء %5"),
    "nothing": row("ничего", "nada", "nada", "nothing", "없음", "niente", "hiçbir şey", "无", "لا شيء"),
    # Indented under its coder's line.
    "    started %1, stopped %2": row(
        "    пуск %1, стоп %2", "    iniciado %1, detenido %2", "    iniciado %1, parado %2",
        "    started %1, stopped %2", "    시작 %1, 정지 %2", "    avviato %1, arrestato %2",
        "    başladı %1, durdu %2", "    开始 %1，停止 %2", "    بدأ %1، توقّف %2"),
}
