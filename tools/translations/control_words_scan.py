# SPDX-License-Identifier: GPL-3.0-or-later
"""KorvexControl's texts of the scan windows and their translations, read
through control_words.py: the same rules as there (row order ru, esp, pt,
en, kr, ita, turkish, cn, arabic; placeholders, HTML and units kept)."""

from control_words import row, same  # noqa: F401

SCAN_CONTEXTS = {"JobScan"}

SCAN_WORDS = {
    # --- the scans of the Jobs view (JobScan) -------------------------------------
    "Scan the packaging on the line: a job of %1 starts only when it shows GTIN %2.": row(
        "Отсканируйте упаковку на линии: задание %1 начнётся, только если на ней GTIN %2.",
        "Escanee el envase de la línea: un trabajo de %1 solo se inicia si muestra el GTIN %2.",
        "Leia a embalagem da linha: um trabalho de %1 só inicia se ela mostrar o GTIN %2.",
        "Scan the packaging on the line: a job of %1 starts only when it shows GTIN %2.",
        "라인의 포장을 스캔하십시오: 포장에 GTIN %2가 있어야 %1 작업이 시작됩니다.",
        "Scansionare l'imballaggio sulla linea: un lavoro di %1 parte solo se mostra il GTIN %2.",
        "Hattaki ambalajı okutun: %1 işi yalnızca ambalajda GTIN %2 varsa başlar.",
        "请扫描产线上的包装：只有包装显示 GTIN %2 时，%1 的任务才能开始。",
        "امسح العبوة على الخط: لا تبدأ مهمة %1 إلا إذا أظهرت GTIN %2."),
    "The scan holds no GTIN (01): %1": row(
        "В скане нет GTIN (01): %1", "El escaneo no contiene GTIN (01): %1",
        "A leitura não contém GTIN (01): %1", "The scan holds no GTIN (01): %1",
        "스캔에 GTIN(01)이 없습니다: %1", "La scansione non contiene un GTIN (01): %1",
        "Okutulan kodda GTIN (01) yok: %1", "扫描内容不含 GTIN (01)：%1",
        "لا يحتوي المسح على GTIN (01): %1"),
    "No product has the GTIN %1.": row(
        "Нет продукта с GTIN %1.", "Ningún producto tiene el GTIN %1.", "Nenhum produto tem o GTIN %1.",
        "No product has the GTIN %1.", "GTIN %1인 제품이 없습니다.", "Nessun prodotto ha il GTIN %1.",
        "GTIN %1 olan ürün yok.", "没有 GTIN 为 %1 的产品。", "لا يوجد منتج برقم GTIN %1."),
    "Lot %1 from the scan.": row(
        "Партия %1 из скана.", "Lote %1 del escaneo.", "Lote %1 da leitura.", "Lot %1 from the scan.",
        "스캔에서 로트 %1.", "Lotto %1 dalla scansione.", "Parti %1 okutulan koddan.", "批号 %1 取自扫描。",
        "الدفعة %1 من المسح."),
    "Production date %1 from the scan.": row(
        "Дата производства %1 из скана.", "Fecha de fabricación %1 del escaneo.",
        "Data de fabricação %1 da leitura.", "Production date %1 from the scan.",
        "스캔에서 생산일 %1.", "Data di produzione %1 dalla scansione.",
        "Üretim tarihi %1 okutulan koddan.", "生产日期 %1 取自扫描。", "تاريخ الإنتاج %1 من المسح."),
    "the best-before date (15) %1": row(
        "срок годности (15) %1", "la fecha de consumo preferente (15) %1",
        "a data de validade (15) %1", "the best-before date (15) %1", "품질 유지 기한(15) %1",
        "la data di consumo preferibile (15) %1", "tavsiye edilen tüketim tarihi (15) %1",
        "最佳食用日期 (15) %1", "تاريخ الأفضلية (15) %1"),
    "the expiry date (17) %1": row(
        "дата истечения срока (17) %1", "la fecha de caducidad (17) %1",
        "a data de expiração (17) %1", "the expiry date (17) %1", "유효 기한(17) %1",
        "la data di scadenza (17) %1", "son kullanma tarihi (17) %1", "有效期至 (17) %1",
        "تاريخ انتهاء الصلاحية (17) %1"),
    "Check the packaging: %1 is not %2, which the shelf life of %3 (%4) gives.": row(
        "Проверьте упаковку: %1 — не %2, как следует из срока хранения %3 (%4).",
        "Revise el envase: %1 no es %2, que es lo que da la vida útil de %3 (%4).",
        "Verifique a embalagem: %1 não é %2, que é o que a validade de %3 (%4) dá.",
        "Check the packaging: %1 is not %2, which the shelf life of %3 (%4) gives.",
        "포장을 확인하십시오: %1은(는) %3의 유통 기한(%4)에 따른 %2이(가) 아닙니다.",
        "Controllare l'imballaggio: %1 non è %2, che risulta dalla durata di %3 (%4).",
        "Ambalajı kontrol edin: %1, %3 ürününün raf ömrünün (%4) verdiği %2 değil.",
        "请检查包装：%1 不是按 %3 的保质期（%4）得出的 %2。",
        "افحص العبوة: %1 ليس %2 الذي تعطيه مدة صلاحية %3 (%4)."),
    # A scan's fault and the character (1-based) it is at.
    "%1 (character %2)": row(
        "%1 (символ %2)", "%1 (carácter %2)", "%1 (caractere %2)", "%1 (character %2)", "%1 (%2번째 문자)",
        "%1 (carattere %2)", "%1 (%2. karakter)", "%1（第 %2 个字符）", "%1 (الحرف %2)"),
    "Packaging confirmed: GTIN %1.": row(
        "Упаковка подтверждена: GTIN %1.", "Envase confirmado: GTIN %1.", "Embalagem confirmada: GTIN %1.",
        "Packaging confirmed: GTIN %1.", "포장 확인됨: GTIN %1.", "Imballaggio confermato: GTIN %1.",
        "Ambalaj doğrulandı: GTIN %1.", "包装已确认：GTIN %1。", "تم تأكيد العبوة: GTIN %1."),
    "The packaging scanned (GTIN %1) is not that of %2 (GTIN %3): the job does not start.": row(
        "Отсканированная упаковка (GTIN %1) не от %2 (GTIN %3): задание не начнётся.",
        "El envase escaneado (GTIN %1) no es el de %2 (GTIN %3): el trabajo no se inicia.",
        "A embalagem lida (GTIN %1) não é a de %2 (GTIN %3): o trabalho não inicia.",
        "The packaging scanned (GTIN %1) is not that of %2 (GTIN %3): the job does not start.",
        "스캔한 포장(GTIN %1)은 %2(GTIN %3)의 포장이 아닙니다: 작업이 시작되지 않습니다.",
        "L'imballaggio scansionato (GTIN %1) non è quello di %2 (GTIN %3): il lavoro non parte.",
        "Okutulan ambalaj (GTIN %1), %2 ürününe (GTIN %3) ait değil: iş başlamaz.",
        "扫描的包装（GTIN %1）不是 %2（GTIN %3）的包装：任务不会开始。",
        "العبوة الممسوحة (GTIN %1) ليست عبوة %2 (GTIN %3): لن تبدأ المهمة."),
    # --- the Jobs view: the packaging box and the waiting batch-record writes ---------
    "Packaging": row("Упаковка", "Envase", "Embalagem", "Packaging", "포장", "Imballaggio", "Ambalaj", "包装",
                     "العبوة"),
    "Scan the packaging on the line, then Enter": row(
        "Отсканируйте упаковку на линии, затем Enter", "Escanee el envase de la línea y pulse Enter",
        "Leia a embalagem da linha e tecle Enter", "Scan the packaging on the line, then Enter",
        "라인의 포장을 스캔한 후 Enter", "Scansionare l'imballaggio sulla linea, poi Invio",
        "Hattaki ambalajı okutun, sonra Enter", "扫描产线上的包装，然后按 Enter",
        "امسح العبوة على الخط ثم اضغط Enter"),
    "%n batch-record write(s) wait for the catalogue; they are written in order when it is back.": row(
        ["%n запись протокола партии ждёт каталог; записи будут внесены по порядку, когда он вернётся.",
         "%n записи протокола партии ждут каталог; они будут внесены по порядку, когда он вернётся.",
         "%n записей протокола партии ждут каталог; они будут внесены по порядку, когда он вернётся."],
        ["%n escritura del registro de lote espera al catálogo; se escribe en orden cuando vuelva.",
         "%n escrituras del registro de lote esperan al catálogo; se escriben en orden cuando vuelva."],
        ["%n gravação do registro de lote aguarda o catálogo; é feita em ordem quando ele voltar.",
         "%n gravações do registro de lote aguardam o catálogo; são feitas em ordem quando ele voltar."],
        ["%n batch-record write waits for the catalogue; it is written in order when it is back.",
         "%n batch-record writes wait for the catalogue; they are written in order when it is back."],
        ["배치 기록 쓰기 %n건이 카탈로그를 기다립니다. 카탈로그가 돌아오면 순서대로 기록됩니다."],
        ["%n scrittura del registro di lotto attende il catalogo; viene scritta in ordine al suo ritorno.",
         "%n scritture del registro di lotto attendono il catalogo; vengono scritte in ordine al suo ritorno."],
        ["%n parti kaydı yazımı kataloğu bekliyor; katalog dönünce sırayla yazılır."],
        ["%n 条批记录写入在等待产品目录；目录恢复后按顺序写入。"],
        ["لا كتابات (%n) في سجل الدفعات تنتظر الكتالوج.",
         "كتابة واحدة في سجل الدفعات تنتظر الكتالوج؛ تُكتب بالترتيب عند عودته.",
         "كتابتان في سجل الدفعات تنتظران الكتالوج؛ تُكتبان بالترتيب عند عودته.",
         "%n كتابات في سجل الدفعات تنتظر الكتالوج؛ تُكتب بالترتيب عند عودته.",
         "%n كتابة في سجل الدفعات تنتظر الكتالوج؛ تُكتب بالترتيب عند عودته.",
         "%n كتابة في سجل الدفعات تنتظر الكتالوج؛ تُكتب بالترتيب عند عودته."]),
    # --- the products view: the product's packaging scan ------------------------------
    "Confirming scan of the packaging required": row(
        "Требуется подтверждающий скан упаковки", "Se requiere escaneo de confirmación del envase",
        "Leitura de confirmação da embalagem obrigatória", "Confirming scan of the packaging required",
        "포장 확인 스캔 필요", "Scansione di conferma dell'imballaggio obbligatoria",
        "Ambalajın doğrulama okutması gerekli", "需要扫描包装确认", "يلزم مسح العبوة للتأكيد"),
    "A job of this product starts only after a scan of the packaging on the line shows the "
    "product's GTIN.": row(
        "Задание этого продукта начнётся только после того, как скан упаковки на линии покажет его GTIN.",
        "Un trabajo de este producto solo se inicia cuando un escaneo del envase de la línea muestra su GTIN.",
        "Um trabalho deste produto só inicia depois que a leitura da embalagem da linha mostrar o GTIN dele.",
        "A job of this product starts only after a scan of the packaging on the line shows the "
        "product's GTIN.",
        "라인의 포장 스캔에서 이 제품의 GTIN이 확인된 후에만 작업이 시작됩니다.",
        "Un lavoro di questo prodotto parte solo dopo che una scansione dell'imballaggio mostra il suo GTIN.",
        "Bu ürünün işi, hattaki ambalajın okutması ürünün GTIN'ini gösterdikten sonra başlar.",
        "只有扫描产线上的包装显示本产品的 GTIN 后，本产品的任务才会开始。",
        "لا تبدأ مهمة هذا المنتج إلا بعد أن يُظهر مسح العبوة على الخط رقم GTIN الخاص بالمنتج."),
}
