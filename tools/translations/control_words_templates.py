# SPDX-License-Identifier: GPL-3.0-or-later
"""KorvexControl's texts of the templates windows and their translations, read
through control_words.py: the same rules as there (row order ru, esp, pt,
en, kr, ita, turkish, cn, arabic; placeholders, HTML and units kept)."""

from control_words import row, same  # noqa: F401

TEMPLATES_CONTEXTS = {"DesignTemplate", "FieldMenu", "TemplateSamples"}

TEMPLATES_WORDS = {
    # --- the designer's mark of a product's template ----------------------------
    "%1: %2 by %3 (unsigned: users are off), %4": row(
        "%1: %2, %3 (без подписи: пользователи отключены), %4",
        "%1: %2 por %3 (sin firma: usuarios desactivados), %4",
        "%1: %2 por %3 (sem assinatura: usuários desativados), %4",
        "%1: %2 by %3 (unsigned: users are off), %4",
        "%1: %2, %3 (서명 없음: 사용자 꺼짐), %4",
        "%1: %2 da %3 (senza firma: utenti disattivati), %4",
        "%1: %2, %3 (imzasız: kullanıcılar kapalı), %4",
        "%1：%2，%3（未签名：用户功能关闭），%4",
        "%1: %2 بواسطة %3 (غير موقّع: المستخدمون معطّلون)، %4"),
    "%1: %2, signed by %3, %4": row(
        "%1: %2, подписал %3, %4", "%1: %2, firmado por %3, %4", "%1: %2, assinado por %3, %4",
        "%1: %2, signed by %3, %4", "%1: %2, 서명자 %3, %4", "%1: %2, firmato da %3, %4",
        "%1: %2, imzalayan %3, %4", "%1：%2，签名人 %3，%4", "%1: %2، وقّعه %3، %4"),
    "%1: not approved": row(
        "%1: не утверждён", "%1: no aprobado", "%1: não aprovado", "%1: not approved",
        "%1: 승인되지 않음", "%1: non approvato", "%1: onaylanmadı", "%1：未批准", "%1: غير معتمد"),
    "%1: approval unknown (%2)": row(
        "%1: утверждение неизвестно (%2)", "%1: aprobación desconocida (%2)",
        "%1: aprovação desconhecida (%2)", "%1: approval unknown (%2)", "%1: 승인 여부 알 수 없음 (%2)",
        "%1: approvazione sconosciuta (%2)", "%1: onay bilinmiyor (%2)", "%1：批准状态未知（%2）",
        "%1: الاعتماد غير معروف (%2)"),
    "The template of %1. The version a save writes must be signed before a job may run it.": row(
        "Шаблон продукта %1. Версию, которую записывает сохранение, нужно подписать, прежде чем "
        "задание сможет её использовать.",
        "La plantilla de %1. La versión que escribe un guardado debe firmarse antes de que un "
        "trabajo pueda usarla.",
        "O modelo de %1. A versão que um salvamento grava deve ser assinada antes que um trabalho "
        "possa usá-la.",
        "The template of %1. The version a save writes must be signed before a job may run it.",
        "%1의 템플릿입니다. 저장으로 기록되는 버전은 작업에 사용되기 전에 서명되어야 합니다.",
        "Il modello di %1. La versione scritta da un salvataggio va firmata prima che un lavoro "
        "possa usarla.",
        "%1 şablonu. Kaydın yazdığı sürüm, bir iş onu kullanmadan önce imzalanmalıdır.",
        "%1 的模板。保存写入的版本须经签名后任务才能使用。",
        "قالب %1. يجب توقيع النسخة التي يكتبها الحفظ قبل أن تستخدمها مهمة."),
    # --- the "Insert field" menu ---------------------------------------------------
    "Insert field": row("Вставить поле", "Insertar campo", "Inserir campo", "Insert field",
                        "필드 삽입", "Inserisci campo", "Alan ekle", "插入字段", "إدراج حقل"),
    "Insert a placeholder that a job fills": row(
        "Вставить подстановку, которую заполняет задание",
        "Insertar un marcador que rellena el trabajo",
        "Inserir um marcador que o trabalho preenche",
        "Insert a placeholder that a job fills", "작업이 채우는 자리표시자 삽입",
        "Inserisci un segnaposto che il lavoro compila", "İşin dolduracağı bir yer tutucu ekle",
        "插入由任务填写的占位符", "إدراج عنصر نائب تملؤه المهمة"),
    # --- the samples a template is checked with ------------------------------------
    "Production date": row("Дата производства", "Fecha de producción", "Data de produção",
                           "Production date", "생산일", "Data di produzione", "Üretim tarihi",
                           "生产日期", "تاريخ الإنتاج"),
    "Best before": row("Годен до", "Consumir preferentemente antes de", "Consumir antes de",
                       "Best before", "유통기한", "Da consumarsi entro", "Son kullanma",
                       "保质期至", "يفضل استخدامه قبل"),
    'no sample could be made that matches its pattern %1, so it is checked with "A1"': row(
        "не удалось составить образец по его шаблону %1, поэтому проверка идёт с «A1»",
        "no se pudo crear un ejemplo que cumpla su patrón %1, así que se comprueba con «A1»",
        "não foi possível criar um exemplo que siga o padrão %1, então é verificado com \"A1\"",
        'no sample could be made that matches its pattern %1, so it is checked with "A1"',
        "패턴 %1에 맞는 샘플을 만들 수 없어 \"A1\"로 검사합니다",
        "non è stato possibile creare un esempio conforme al modello %1, quindi si verifica con "
        "\"A1\"",
        "%1 desenine uyan bir örnek oluşturulamadı, bu yüzden \"A1\" ile denetleniyor",
        "无法生成符合其模式 %1 的样例，因此用 \"A1\" 检查",
        "تعذّر إنشاء عينة تطابق نمطه %1، لذا يُفحص بالقيمة \"A1\""),
    # --- pre-flight of a template ------------------------------------------------------
    "{{%1}} is neither a standard placeholder nor a field of the product: a job of it cannot "
    "fill it.": row(
        "{{%1}} — не стандартная подстановка и не поле продукта: задание не сможет её заполнить.",
        "{{%1}} no es un marcador estándar ni un campo del producto: un trabajo no puede "
        "rellenarlo.",
        "{{%1}} não é um marcador padrão nem um campo do produto: um trabalho não pode "
        "preenchê-lo.",
        "{{%1}} is neither a standard placeholder nor a field of the product: a job of it cannot "
        "fill it.",
        "{{%1}}은(는) 표준 자리표시자도 제품의 필드도 아닙니다: 작업이 채울 수 없습니다.",
        "{{%1}} non è un segnaposto standard né un campo del prodotto: un lavoro non può "
        "compilarlo.",
        "{{%1}} ne standart bir yer tutucu ne de ürünün bir alanı: iş onu dolduramaz.",
        "{{%1}} 既不是标准占位符，也不是该产品的字段：任务无法填写它。",
        "{{%1}} ليس عنصرًا نائبًا قياسيًا ولا حقلًا للمنتج: لا تستطيع المهمة ملأه."),
    "{{%1}} is no standard placeholder: only a product with a field of that name can fill it.": row(
        "{{%1}} — не стандартная подстановка: её заполнит только продукт с полем этого имени.",
        "{{%1}} no es un marcador estándar: solo un producto con un campo de ese nombre puede "
        "rellenarlo.",
        "{{%1}} não é um marcador padrão: só um produto com um campo desse nome pode preenchê-lo.",
        "{{%1}} is no standard placeholder: only a product with a field of that name can fill it.",
        "{{%1}}은(는) 표준 자리표시자가 아닙니다: 그 이름의 필드가 있는 제품만 채울 수 있습니다.",
        "{{%1}} non è un segnaposto standard: solo un prodotto con un campo di quel nome può "
        "compilarlo.",
        "{{%1}} standart bir yer tutucu değil: yalnızca bu adda alanı olan bir ürün doldurabilir.",
        "{{%1}} 不是标准占位符：只有带此名称字段的产品才能填写它。",
        "{{%1}} ليس عنصرًا نائبًا قياسيًا: لا يملؤه إلا منتج له حقل بهذا الاسم."),
    "The field %1 ({{%2}}): %3.": row(
        "Поле %1 ({{%2}}): %3.", "El campo %1 ({{%2}}): %3.", "O campo %1 ({{%2}}): %3.",
        "The field %1 ({{%2}}): %3.", "필드 %1 ({{%2}}): %3.", "Il campo %1 ({{%2}}): %3.",
        "%1 alanı ({{%2}}): %3.", "字段 %1（{{%2}}）：%3。", "الحقل %1 ({{%2}}): %3."),
    "Filled with %1: %2": row(
        "С подстановкой %1: %2", "Rellenado con %1: %2", "Preenchido com %1: %2",
        "Filled with %1: %2", "%1(으)로 채우면: %2", "Compilato con %1: %2", "%1 ile doldurulunca: %2",
        "以 %1 填写后：%2", "عند الملء بـ %1: %2"),
    # --- the date item of the product's shelf life ---------------------------------------
    "Best before of the product": row(
        "Срок годности продукта", "Fecha de consumo preferente del producto",
        "Validade do produto", "Best before of the product", "제품의 유통기한",
        "Scadenza del prodotto", "Ürünün son kullanma tarihi", "产品的保质期", "تاريخ صلاحية المنتج"),
    "best before of the product": row(
        "срок годности продукта", "fecha de consumo preferente del producto",
        "validade do produto", "best before of the product", "제품의 유통기한",
        "scadenza del prodotto", "ürünün son kullanma tarihi", "产品的保质期", "تاريخ صلاحية المنتج"),
    "In a product's template: a job gives this date the product's shelf life; the days above are "
    "what the designer shows meanwhile.": row(
        "В шаблоне продукта: задание задаёт этой дате срок годности продукта; дни выше — то, что "
        "показывает редактор до тех пор.",
        "En la plantilla de un producto: el trabajo da a esta fecha la vida útil del producto; los "
        "días de arriba son lo que muestra el diseñador mientras tanto.",
        "No modelo de um produto: o trabalho dá a esta data a validade do produto; os dias acima "
        "são o que o editor mostra enquanto isso.",
        "In a product's template: a job gives this date the product's shelf life; the days above "
        "are what the designer shows meanwhile.",
        "제품 템플릿에서: 작업이 이 날짜에 제품의 유통기한을 적용합니다. 위의 일수는 그동안 디자이너가 "
        "보여 주는 값입니다.",
        "Nel modello di un prodotto: il lavoro dà a questa data la durata del prodotto; i giorni "
        "sopra sono ciò che il designer mostra nel frattempo.",
        "Bir ürünün şablonunda: iş bu tarihe ürünün raf ömrünü verir; yukarıdaki günler tasarımcının "
        "o zamana kadar gösterdiğidir.",
        "在产品模板中：任务会按产品的保质期设置此日期；上面的天数是设计器在此之前显示的值。",
        "في قالب منتج: تمنح المهمة هذا التاريخ مدة صلاحية المنتج؛ والأيام أعلاه هي ما يعرضه المصمم "
        "في هذه الأثناء."),
}
