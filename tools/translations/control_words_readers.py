# SPDX-License-Identifier: GPL-3.0-or-later
"""KorvexControl's texts of the readers windows and their translations, read
through control_words.py: the same rules as there (row order ru, esp, pt,
en, kr, ita, turkish, cn, arabic; placeholders, HTML and units kept)."""

from control_words import row, same  # noqa: F401

READERS_CONTEXTS = {"ReaderAlarmBar"}

READERS_WORDS = {
    # --- the code readers' bar at the top of the control window -----------------
    # A red row: the alarm as the service words it (coder, reads), then the button.
    "Reader alarm: %1": row(
        "Тревога сканера: %1", "Alarma del lector: %1", "Alarme do leitor: %1", "Reader alarm: %1",
        "리더 경보: %1", "Allarme del lettore: %1", "Okuyucu alarmı: %1", "读码器报警：%1",
        "إنذار القارئ: %1"),
    "Acknowledge": row("Подтвердить", "Confirmar", "Reconhecer", "Acknowledge", "확인", "Conferma",
                       "Onayla", "确认", "إقرار"),
    # An amber row for a printing coder whose reader was not challenged today.
    "%1: No passed challenge test today": row(
        "%1: сегодня нет пройденной контрольной проверки", "%1: hoy no hay prueba de control superada",
        "%1: nenhum teste de desafio aprovado hoje", "%1: No passed challenge test today",
        "%1: 오늘 통과한 검증 테스트 없음", "%1: nessun test di verifica superato oggi",
        "%1: Bugün geçilmiş doğrulama testi yok", "%1：今日无通过的挑战测试",
        "%1: لا يوجد اختبار تحقق ناجح اليوم"),
    "Start challenge test": row(
        "Начать контрольную проверку", "Iniciar prueba de control", "Iniciar teste de desafio",
        "Start challenge test", "검증 테스트 시작", "Avvia test di verifica", "Doğrulama testini başlat",
        "开始挑战测试", "بدء اختبار التحقق"),
    "%1: challenge test running; let up to %2 wrong or missing codes pass": row(
        "%1: идёт контрольная проверка; пропустите до %2 неверных или отсутствующих кодов",
        "%1: prueba de control en curso; deje pasar hasta %2 códigos erróneos o ausentes",
        "%1: teste de desafio em andamento; deixe passar até %2 códigos errados ou ausentes",
        "%1: challenge test running; let up to %2 wrong or missing codes pass",
        "%1: 검증 테스트 진행 중; 잘못되었거나 없는 코드를 최대 %2개 통과시키십시오",
        "%1: test di verifica in corso; lasciare passare fino a %2 codici errati o mancanti",
        "%1: doğrulama testi sürüyor; en çok %2 yanlış veya eksik kodun geçmesine izin verin",
        "%1：挑战测试进行中；让最多 %2 个错误或缺失的代码通过",
        "%1: اختبار التحقق جارٍ؛ اسمح بمرور ما يصل إلى %2 من الرموز الخاطئة أو المفقودة"),
    # Refusals, in the event log.
    "Sign in as a Supervisor to handle the code readers.": row(
        "Войдите как Supervisor, чтобы управлять сканерами кодов.",
        "Inicie sesión como Supervisor para atender los lectores de códigos.",
        "Entre como Supervisor para tratar os leitores de códigos.",
        "Sign in as a Supervisor to handle the code readers.",
        "코드 리더를 다루려면 Supervisor로 로그인하십시오.",
        "Accedere come Supervisor per gestire i lettori di codici.",
        "Kod okuyucularını yönetmek için Supervisor olarak oturum açın.",
        "请以 Supervisor 身份登录以处理读码器。",
        "سجّل الدخول بصفة Supervisor لإدارة قارئات الرموز."),
    "Only a Supervisor or Administrator may acknowledge a reader alarm or start a challenge test; "
    "%1 is signed in as %2.": row(
        "Подтвердить тревогу сканера или начать контрольную проверку может только Supervisor или "
        "Administrator; %1 вошёл как %2.",
        "Solo un Supervisor o Administrator puede confirmar una alarma del lector o iniciar una prueba "
        "de control; %1 ha iniciado sesión como %2.",
        "Só um Supervisor ou Administrator pode reconhecer um alarme do leitor ou iniciar um teste de "
        "desafio; %1 entrou como %2.",
        "Only a Supervisor or Administrator may acknowledge a reader alarm or start a challenge test; "
        "%1 is signed in as %2.",
        "리더 경보 확인이나 검증 테스트 시작은 Supervisor 또는 Administrator만 할 수 있습니다. "
        "%1은(는) %2(으)로 로그인했습니다.",
        "Solo un Supervisor o un Administrator può confermare un allarme del lettore o avviare un test "
        "di verifica; %1 ha eseguito l'accesso come %2.",
        "Okuyucu alarmını yalnızca bir Supervisor veya Administrator onaylayabilir ya da doğrulama "
        "testi başlatabilir; %1, %2 olarak oturum açtı.",
        "只有 Supervisor 或 Administrator 可以确认读码器报警或开始挑战测试；%1 以 %2 身份登录。",
        "لا يقر إنذار القارئ أو يبدأ اختبار التحقق إلا Supervisor أو Administrator؛ %1 مسجّل الدخول "
        "بصفة %2."),
    # --- the batch record (BatchRecordPdf): the code readers' part ---------------
    "Code readers": row("Сканеры кодов", "Lectores de códigos", "Leitores de códigos", "Code readers",
                        "코드 리더", "Lettori di codici", "Kod okuyucuları", "读码器", "قارئات الرموز"),
    "%1, reader %2: %3 good, %4 bad, %5 no read, %6 not compared": row(
        "%1, сканер %2: %3 верных, %4 неверных, %5 не прочитано, %6 не сравнено",
        "%1, lector %2: %3 correctos, %4 erróneos, %5 sin lectura, %6 sin comparar",
        "%1, leitor %2: %3 corretos, %4 errados, %5 sem leitura, %6 não comparados",
        "%1, reader %2: %3 good, %4 bad, %5 no read, %6 not compared",
        "%1, 리더 %2: 정상 %3, 불량 %4, 판독 불가 %5, 비교 안 함 %6",
        "%1, lettore %2: %3 corretti, %4 errati, %5 non letti, %6 non confrontati",
        "%1, okuyucu %2: %3 doğru, %4 yanlış, %5 okunamadı, %6 karşılaştırılmadı",
        "%1，读码器 %2：正确 %3，错误 %4，未读出 %5，未比较 %6",
        "%1، القارئ %2: %3 صحيح، %4 خاطئ، %5 غير مقروء، %6 دون مقارنة"),
    "Challenge test of %1, reader %2, %3 at %4 by %5 after %6 reads%7": row(
        "Контрольная проверка %1, сканер %2, %3 в %4, %5, после %6 чтений%7",
        "Prueba de control de %1, lector %2, %3 el %4 por %5 tras %6 lecturas%7",
        "Teste de desafio de %1, leitor %2, %3 em %4 por %5 após %6 leituras%7",
        "Challenge test of %1, reader %2, %3 at %4 by %5 after %6 reads%7",
        "%1 검증 테스트, 리더 %2, %4에 %3, %5, 판독 %6회 후%7",
        "Test di verifica di %1, lettore %2, %3 il %4 da %5 dopo %6 letture%7",
        "%1 doğrulama testi, okuyucu %2, %4 tarihinde %3, %5, %6 okumadan sonra%7",
        "%1 的挑战测试，读码器 %2，%4 %3，由 %5 执行，读取 %6 次后%7",
        "اختبار التحقق لـ %1، القارئ %2، %3 في %4 بواسطة %5 بعد %6 قراءات%7"),
    "passed": row("пройдена", "superada", "aprovado", "passed", "통과", "superato", "geçti", "通过", "ناجح"),
    "failed": row("не пройдена", "no superada", "reprovado", "failed", "실패", "non superato", "başarısız",
                  "未通过", "فاشل"),
}
