# SPDX-License-Identifier: GPL-3.0-or-later
"""KorvexControl's texts of the planthost windows and their translations, read
through control_words.py: the same rules as there (row order ru, esp, pt,
en, kr, ita, turkish, cn, arabic; placeholders, HTML and units kept)."""

from control_words import row, same  # noqa: F401

PLANTHOST_CONTEXTS = {"RemoteLines"}

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
}
