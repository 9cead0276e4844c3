# SPDX-License-Identifier: GPL-3.0-or-later
"""KorvexControl's texts of the planthost windows and their translations, read
through control_words.py: the same rules as there (row order ru, esp, pt,
en, kr, ita, turkish, cn, arabic; placeholders, HTML and units kept)."""

from control_words import row, same  # noqa: F401

PLANTHOST_CONTEXTS = {"RemoteLines", "RemoteJobs"}

PLANTHOST_WORDS = {
    # --- the coders of other lines in the device list ----------------------------
    # Tool tip of a remote coder: the line (Sparkplug group and edge node) it is on.
    "Line: %1": row("Линия: %1", "Línea: %1", "Linha: %1", "Line: %1", "라인: %1", "Linea: %1", "Hat: %1",
                    "产线：%1", "الخط: %1"),
    "Not heard of: the last values known": row(
        "Нет связи: последние известные значения", "Sin noticias: últimos valores conocidos",
        "Sem notícias: últimos valores conhecidos", "Not heard from: the last values known",
        "연결 끊김: 마지막으로 알려진 값", "Nessuna notizia: ultimi valori noti",
        "Haber alınamıyor: bilinen son değerler", "无消息：最后已知的值", "لا أخبار: آخر القيم المعروفة"),
    # %1 the command (start, stop ...), %2 the coder, %3 its line, %4 why.
    "%1 for %2 on %3 not sent: %4": row(
        "%1 для %2 на %3 не отправлено: %4", "%1 para %2 en %3 no enviado: %4",
        "%1 para %2 em %3 não enviado: %4", "%1 for %2 on %3 not sent: %4",
        "%3의 %2에 대한 %1 전송 안 됨: %4", "%1 per %2 su %3 non inviato: %4",
        "%3 üzerindeki %2 için %1 gönderilmedi: %4", "%3 上 %2 的 %1 未发送：%4",
        "لم يُرسل %1 إلى %2 على %3: %4"),
    "its line is not heard of": row(
        "нет связи с его линией", "no hay noticias de su línea", "sem notícias da sua linha",
        "its line is not heard from", "해당 라인과 연결이 끊김", "nessuna notizia dalla sua linea",
        "hattından haber alınamıyor", "其产线无消息", "لا أخبار من خطه"),
    "this window follows no line": row(
        "это окно не следит ни за одной линией", "esta ventana no sigue ninguna línea",
        "esta janela não acompanha nenhuma linha", "this window follows no line",
        "이 창은 어떤 라인도 따르지 않음", "questa finestra non segue alcuna linea",
        "bu pencere hiçbir hattı izlemiyor", "此窗口未关注任何产线", "هذه النافذة لا تتابع أي خط"),
    "%1 sent to %2 on %3": row(
        "%1 отправлено на %2 (%3)", "%1 enviado a %2 en %3", "%1 enviado para %2 em %3",
        "%1 sent to %2 on %3", "%3의 %2(으)로 %1 전송됨", "%1 inviato a %2 su %3",
        "%1, %3 üzerindeki %2 cihazına gönderildi", "%1 已发送到 %3 上的 %2", "أُرسل %1 إلى %2 على %3"),
    # %1 the command's metric names, %2 the coder, %3 its line, %4 the line's answer.
    "%1 for %2 on %3: %4": row(
        "%1 для %2 на %3: %4", "%1 para %2 en %3: %4", "%1 para %2 em %3: %4", "%1 for %2 on %3: %4",
        "%3의 %2에 대한 %1: %4", "%1 per %2 su %3: %4", "%3 üzerindeki %2 için %1: %4",
        "%3 上 %2 的 %1：%4", "%1 إلى %2 على %3: %4"),
    # --- jobs on the coders of other lines (the Jobs view) ------------------------
    # The command of a job's start or end, in "%1 sent to %2 on %3" and its kin.
    "Job start": row("Запуск задания", "Inicio de trabajo", "Início de trabalho", "Job start", "작업 시작",
                     "Avvio lavoro", "İş başlatma", "作业开始", "بدء المهمة"),
    "Job end": row("Завершение задания", "Fin de trabajo", "Fim de trabalho", "Job end", "작업 종료",
                   "Fine lavoro", "İş bitirme", "作业结束", "إنهاء المهمة"),
    # %1 the coder, %2 its line.
    "%1 on %2": row("%1 на %2", "%1 en %2", "%1 em %2", "%1 on %2", "%2의 %1", "%1 su %2", "%2 üzerindeki %1",
                    "%2 上的 %1", "%1 على %2"),
    "%1: its line is not heard of": row(
        "%1: нет связи с его линией", "%1: no hay noticias de su línea", "%1: sem notícias da sua linha",
        "%1: its line is not heard from", "%1: 해당 라인과 연결이 끊김", "%1: nessuna notizia dalla sua linea",
        "%1: hattından haber alınamıyor", "%1：其产线无消息", "%1: لا أخبار من خطه"),
    "%1: sent, its line has not taken it up": row(
        "%1: отправлено, линия ещё не приняла его", "%1: enviado, su línea aún no lo ha tomado",
        "%1: enviado, a sua linha ainda não o assumiu", "%1: sent, its line has not taken it up yet",
        "%1: 전송됨, 라인이 아직 받아들이지 않음", "%1: inviato, la sua linea non lo ha ancora preso",
        "%1: gönderildi, hattı henüz üstlenmedi", "%1：已发送，其产线尚未接受", "%1: أُرسل، ولم يتسلّمه خطه بعد"),
    # %1 the lot, %2 this PC's job number, %3 the coders of other lines.
    "Lot %1: job %2 runs on this PC's coders; sent to their lines for %3.": row(
        "Партия %1: задание %2 выполняется на маркираторах этого ПК; отправлено на их линии для %3.",
        "Lote %1: el trabajo %2 corre en los codificadores de este PC; enviado a sus líneas para %3.",
        "Lote %1: o trabalho %2 corre nos codificadores deste PC; enviado às suas linhas para %3.",
        "Lot %1: job %2 runs on this PC's coders; sent to their lines for %3.",
        "로트 %1: 작업 %2이(가) 이 PC의 코더에서 실행됨; %3을(를) 위해 해당 라인으로 전송됨.",
        "Lotto %1: il lavoro %2 gira sui codificatori di questo PC; inviato alle loro linee per %3.",
        "Parti %1: iş %2 bu PC'nin kodlayıcılarında çalışıyor; %3 için hatlarına gönderildi.",
        "批次 %1：作业 %2 在本机的喷码机上运行；已为 %3 发送到其产线。",
        "الدفعة %1: المهمة %2 تعمل على طابعات هذا الحاسوب؛ أُرسلت إلى خطوطها من أجل %3."),
    # %1 the lot, %2 the coders of other lines.
    "Lot %1: no coder of this PC; sent to their lines for %2.": row(
        "Партия %1: ни одного маркиратора этого ПК; отправлено на их линии для %2.",
        "Lote %1: ningún codificador de este PC; enviado a sus líneas para %2.",
        "Lote %1: nenhum codificador deste PC; enviado às suas linhas para %2.",
        "Lot %1: no coder of this PC; sent to their lines for %2.",
        "로트 %1: 이 PC의 코더 없음; %2을(를) 위해 해당 라인으로 전송됨.",
        "Lotto %1: nessun codificatore di questo PC; inviato alle loro linee per %2.",
        "Parti %1: bu PC'nin kodlayıcısı yok; %2 için hatlarına gönderildi.",
        "批次 %1：本机无喷码机；已为 %2 发送到其产线。",
        "الدفعة %1: لا طابعة من هذا الحاسوب؛ أُرسلت إلى خطوطها من أجل %2."),
    # The Jobs view: a job only for coders of other lines, and none of them took it.
    "The job was not started: no line took it; the event log says why.": row(
        "Задание не запущено: ни одна линия его не приняла; причина — в журнале событий.",
        "El trabajo no se inició: ninguna línea lo tomó; el registro de eventos dice por qué.",
        "O trabalho não foi iniciado: nenhuma linha o aceitou; o registo de eventos diz porquê.",
        "The job was not started: no line took it; the event log says why.",
        "작업이 시작되지 않음: 어떤 라인도 받아들이지 않음; 이유는 이벤트 로그에 있음.",
        "Il lavoro non è stato avviato: nessuna linea lo ha preso; il registro eventi dice perché.",
        "İş başlatılmadı: hiçbir hat kabul etmedi; nedeni olay günlüğünde.",
        "作业未启动：没有产线接受；原因见事件日志。",
        "لم تبدأ المهمة: لم يتسلّمها أي خط؛ سجل الأحداث يذكر السبب."),
    # "Start printing" in the Jobs view, for a job only on coders of other lines.
    "Not started: no line says a coder of the job is verified.": row(
        "Не запущено: ни одна линия не сообщает, что маркиратор задания проверен.",
        "No iniciado: ninguna línea dice que un codificador del trabajo esté verificado.",
        "Não iniciado: nenhuma linha diz que um codificador do trabalho está verificado.",
        "Not started: no line says a coder of the job is verified.",
        "시작되지 않음: 작업의 코더가 검증되었다고 알려온 라인이 없음.",
        "Non avviato: nessuna linea dice che un codificatore del lavoro è verificato.",
        "Başlatılmadı: hiçbir hat işin bir kodlayıcısının doğrulandığını bildirmiyor.",
        "未启动：没有产线报告作业的喷码机已验证。",
        "لم يبدأ: لا يذكر أي خط أن طابعة من المهمة تم التحقق منها."),
    # "End job" refused, for a job only on coders of other lines; %1 why.
    "The job of the lines' coders was not ended: %1": row(
        "Задание маркираторов линий не завершено: %1",
        "El trabajo de los codificadores de las líneas no se terminó: %1",
        "O trabalho dos codificadores das linhas não foi terminado: %1",
        "The job of the lines' coders was not ended: %1",
        "라인 코더의 작업이 종료되지 않음: %1",
        "Il lavoro dei codificatori delle linee non è stato terminato: %1",
        "Hatların kodlayıcılarının işi bitirilmedi: %1",
        "产线喷码机的作业未结束：%1",
        "لم تُنهَ مهمة طابعات الخطوط: %1"),
}
