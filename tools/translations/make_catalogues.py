#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the standalone editor's nine Qt Linguist catalogues.

The interface of MessageEditor is written in Chinese; every catalogue
translates the same source texts, context by context.  The texts and their
translations live here, in one table, so that the nine .ts files never drift
apart: edit the table, run the script, commit the script and its output.

    tools/translations/make_catalogues.py            # rewrite messageeditor/translations/*.ts
    tools/translations/make_catalogues.py --check    # also list form/code texts missing here
    tools/translations/make_catalogues.py --verify   # fail when a .ts was edited by hand

Language order of every row: ru, esp, pt, en, kr, ita, turkish, cn, arabic.
"""
import argparse
import os
import re
import sys
import xml.etree.ElementTree as ET
from xml.sax.saxutils import escape

LANGUAGES = [
    ("ru", "ru_RU"),
    ("esp", "es_ES"),
    ("pt", "pt_BR"),
    ("en", "en_US"),
    ("kr", "ko_KR"),
    ("ita", "it_IT"),
    ("turkish", "tr_TR"),
    ("cn", "zh_CN"),
    ("arabic", "ar_SA"),
]
NAMES = [name for name, _ in LANGUAGES]


def same(text):
    """A text that reads the same in every language: names, numbers, date patterns."""
    return (text,) * len(LANGUAGES)


def row(ru, esp, pt, en, kr, ita, turkish, cn, arabic):
    return (ru, esp, pt, en, kr, ita, turkish, cn, arabic)


def unit(text, ru, esp, pt, en, kr, ita, turkish, arabic):
    """A date unit character that the time format dialog appends as it stands:
    the dialog builds the format from the Chinese source text whatever the
    language, so the entry keeps the character that will be printed and names
    it in brackets."""
    return row(*("%s (%s)" % (text, word) for word in (ru, esp, pt, en, kr, ita, turkish)), text,
               "%s (%s)" % (text, arabic))


# Source text -> translations.  Where one source text needs different words in
# two contexts, CONTEXT_WORDS below holds the exception.
WORDS = {
    # Main window: menus, tool buttons, file dialogs.
    "delete": row("Удалить", "Eliminar", "Excluir", "Delete", "삭제", "Elimina", "Sil", "删除", "حذف"),
    "file": row("Файл", "Archivo", "Arquivo", "File", "파일", "File", "Dosya", "文件", "ملف"),
    "二维码": row("QR-код", "Código QR", "Código QR", "QRCode", "QR 코드", "Codice QR", "QR kod", "二维码", "رمز QR"),
    "保存": row("Сохранить", "Guardar", "Salvar", "Save", "저장", "Salva", "Kaydet", "保存", "حفظ"),
    "保存文件": row("Сохранить файл", "Guardar archivo", "Salvar arquivo", "Save file", "파일 저장", "Salva file",
                 "Dosyayı kaydet", "保存文件", "حفظ الملف"),
    "删除": row("Удалить", "Eliminar", "Excluir", "Delete", "삭제", "Elimina", "Sil", "删除", "حذف"),
    "删除文件": row("Удалить файл", "Eliminar archivo", "Excluir arquivo", "Delete file", "파일 삭제", "Elimina file",
                 "Dosyayı sil", "删除文件", "حذف ملف"),
    "另存为": row("Сохранить как", "Guardar como", "Salvar como", "Save As", "다른 이름으로 저장", "Salva con nome",
               "Farklı kaydet", "另存为", "حفظ باسم"),
    "图片": row("Изображение", "Imagen", "Imagem", "Image", "이미지", "Immagine", "Resim", "图片", "صورة"),
    "完成": row("Готово", "Aplicar", "Concluir", "Finish", "완료", "Fatto", "Tamam", "完成", "تم"),
    "平台": row("Платформа", "Plataforma", "Plataforma", "Platform", "플랫폼", "Piattaforma", "Platform", "平台",
              "المنصة"),
    "序号": row("Счётчик", "Contador", "Contador", "Counter", "카운터", "Contatore", "Sayaç", "序号", "عداد"),
    "序号1": row("Счётчик 1", "Contador 1", "Contador 1", "Cnt1", "카운터 1", "Contatore 1", "Sayaç 1", "序号1",
               "عداد 1"),
    "序号2": row("Счётчик 2", "Contador 2", "Contador 2", "Cnt2", "카운터 2", "Contatore 2", "Sayaç 2", "序号2",
               "عداد 2"),
    "打开": row("Открыть", "Abrir", "Abrir", "Open", "열기", "Apri", "Aç", "打开", "فتح"),
    "打开图片": row("Открыть изображение", "Abrir imagen", "Abrir imagem", "open Image", "이미지 열기",
                 "Apri immagine", "Resim aç", "打开图片", "فتح صورة"),
    "打开文件": row("Открыть файл", "Abrir archivo", "Abrir arquivo", "Open file", "파일 열기", "Apri file",
                 "Dosya aç", "打开文件", "فتح ملف"),
    "文件": row("Файл", "Archivo", "Arquivo", "File", "파일", "File", "Dosya", "文件", "ملف"),
    "文字": row("Текст", "Texto", "Texto", "Text", "텍스트", "Testo", "Metin", "文字", "نص"),
    "文本": row("Текст", "Texto", "Texto", "Text", "텍스트", "Testo", "Metin", "文本", "نص"),
    "新建": row("Создать", "Nuevo", "Novo", "New", "새로 만들기", "Nuovo", "Yeni", "新建", "جديد"),
    "时间": row("Время", "Hora", "Hora", "Time", "시간", "Ora", "Zaman", "时间", "الوقت"),
    "条形码": row("Штрихкод", "Código de barras", "Código de barras", "BarCode", "바코드", "Codice a barre",
               "Barkod", "条形码", "باركود"),
    "编辑": row("Правка", "Editar", "Editar", "Edit", "편집", "Modifica", "Düzen", "编辑", "تحرير"),
    "编辑软件": row("Редактор сообщений", "Software de edición", "Software de edição", "Editing software",
                 "편집 소프트웨어", "Software di modifica", "Düzenleme yazılımı", "编辑软件", "برنامج التحرير"),
    "退出": row("Выход", "Salir", "Sair", "Exit", "종료", "Esci", "Çıkış", "退出", "خروج"),
    "Type A": same("Type A"),
    "Type B": same("Type B"),
    "Type C": same("Type C"),
    "Type D": same("Type D"),
    "MainWindow": row("Главное окно", "Ventana principal", "Janela principal", "MainWindow", "메인 창",
                      "Finestra principale", "Ana pencere", "主窗口", "النافذة الرئيسية"),
    "toolBar": row("Панель инструментов", "Barra de herramientas", "Barra de ferramentas", "Toolbar", "도구 모음",
                   "Barra degli strumenti", "Araç çubuğu", "工具栏", "شريط الأدوات"),
    # The folder "Spray/" is a real folder name and stays as it is.
    "Spray/Untitled.spr": row("Spray/Без имени.spr", "Spray/Sin título.spr", "Spray/Sem título.spr",
                              "Spray/Untitled.spr", "Spray/제목 없음.spr", "Spray/Senza titolo.spr",
                              "Spray/Adsız.spr", "Spray/未命名.spr", "Spray/بلا عنوان.spr"),
    # File dialog filters: the patterns in brackets must survive translation.
    "Spr Files(*.spr )": row("Файлы Spr (*.spr )", "Archivos Spr (*.spr )", "Arquivos Spr (*.spr )",
                             "Spr Files(*.spr )", "Spr 파일 (*.spr )", "File Spr (*.spr )",
                             "Spr dosyaları (*.spr )", "Spr 文件(*.spr )", "ملفات Spr (*.spr )"),
    "*.spr": same("*.spr"),
    "Image Files(*.jpg *.bmp)": row("Изображения (*.jpg *.bmp)", "Archivos de imagen (*.jpg *.bmp)",
                                    "Arquivos de imagem (*.jpg *.bmp)", "Image Files(*.jpg *.bmp)",
                                    "이미지 파일 (*.jpg *.bmp)", "File immagine (*.jpg *.bmp)",
                                    "Resim dosyaları (*.jpg *.bmp)", "图片文件(*.jpg *.bmp)",
                                    "ملفات الصور (*.jpg *.bmp)"),

    # Message boxes of the barcode painter and the file writer (context QObject).
    "条码格式错误！": row("Ошибка формата штрихкода!", "¡Error de formato del código de barras!",
                     "Erro de formato do código de barras!", "Bar code format error!", "바코드 형식 오류!",
                     "Errore di formato del codice a barre!", "Barkod biçimi hatası!", "条码格式错误！",
                     "خطأ في تنسيق الباركود!"),
    "条码格式错误，本条码为12位阿拉伯数字！": row(
        "Ошибка формата штрихкода: этот штрихкод состоит из 12 арабских цифр!",
        "¡Error de formato del código de barras: este código consta de 12 cifras arábigas!",
        "Erro de formato do código de barras: este código tem 12 algarismos arábicos!",
        "The barcode format is wrong. This barcode is 12 Arabic numerals!",
        "바코드 형식 오류: 이 바코드는 12자리 아라비아 숫자입니다!",
        "Errore di formato del codice a barre: questo codice è composto da 12 cifre arabe!",
        "Barkod biçimi hatası: bu barkod 12 haneli Arap rakamlarından oluşur!",
        "条码格式错误，本条码为12位阿拉伯数字！",
        "خطأ في تنسيق الباركود: يتكون هذا الباركود من 12 رقمًا عربيًا!"),
    "条码格式错误，本条码为13位阿拉伯数字！": row(
        "Ошибка формата штрихкода: этот штрихкод состоит из 13 арабских цифр!",
        "¡Error de formato del código de barras: este código consta de 13 cifras arábigas!",
        "Erro de formato do código de barras: este código tem 13 algarismos arábicos!",
        "Barcode format error,the barcode is 13 - bit Arabic numerals!",
        "바코드 형식 오류: 이 바코드는 13자리 아라비아 숫자입니다!",
        "Errore di formato del codice a barre: questo codice è composto da 13 cifre arabe!",
        "Barkod biçimi hatası: bu barkod 13 haneli Arap rakamlarından oluşur!",
        "条码格式错误，本条码为13位阿拉伯数字！",
        "خطأ في تنسيق الباركود: يتكون هذا الباركود من 13 رقمًا عربيًا!"),
    "条码格式错误，本条码为8位阿拉伯数字！": row(
        "Ошибка формата штрихкода: этот штрихкод состоит из 8 арабских цифр!",
        "¡Error de formato del código de barras: este código consta de 8 cifras arábigas!",
        "Erro de formato do código de barras: este código tem 8 algarismos arábicos!",
        "Barcode format error,the barcode is 8 - bit Arabic numerals!",
        "바코드 형식 오류: 이 바코드는 8자리 아라비아 숫자입니다!",
        "Errore di formato del codice a barre: questo codice è composto da 8 cifre arabe!",
        "Barkod biçimi hatası: bu barkod 8 haneli Arap rakamlarından oluşur!",
        "条码格式错误，本条码为8位阿拉伯数字！",
        "خطأ في تنسيق الباركود: يتكون هذا الباركود من 8 أرقام عربية!"),
    "条码格式错误，本条码内容仅包含数字与大写字母及部分符号！": row(
        "Ошибка формата штрихкода: этот штрихкод может содержать только цифры, заглавные латинские буквы "
        "и некоторые символы!",
        "¡Error de formato del código de barras: este código solo admite cifras, letras mayúsculas y "
        "algunos símbolos!",
        "Erro de formato do código de barras: este código só admite algarismos, letras maiúsculas e "
        "alguns símbolos!",
        "Bar code format error, the contents of the bar code contains only numbers and uppercase letters "
        "and some symbols!",
        "바코드 형식 오류: 이 바코드에는 숫자, 영문 대문자와 일부 기호만 사용할 수 있습니다!",
        "Errore di formato del codice a barre: questo codice ammette solo cifre, lettere maiuscole e "
        "alcuni simboli!",
        "Barkod biçimi hatası: bu barkod yalnızca rakam, büyük harf ve bazı simgeler içerebilir!",
        "条码格式错误，本条码内容仅包含数字与大写字母及部分符号！",
        "خطأ في تنسيق الباركود: لا يقبل هذا الباركود إلا الأرقام والحروف اللاتينية الكبيرة وبعض الرموز!"),
    "条码格式错误，本条码内容仅包含数字与英文字母及部分符号！": row(
        "Ошибка формата штрихкода: этот штрихкод может содержать только цифры, латинские буквы "
        "и некоторые символы!",
        "¡Error de formato del código de barras: este código solo admite cifras, letras latinas y "
        "algunos símbolos!",
        "Erro de formato do código de barras: este código só admite algarismos, letras latinas e "
        "alguns símbolos!",
        "Bar code format error, the contents of the bar code contains only numbers and letters and part "
        "of symbols!",
        "바코드 형식 오류: 이 바코드에는 숫자, 영문자와 일부 기호만 사용할 수 있습니다!",
        "Errore di formato del codice a barre: questo codice ammette solo cifre, lettere latine e "
        "alcuni simboli!",
        "Barkod biçimi hatası: bu barkod yalnızca rakam, Latin harfleri ve bazı simgeler içerebilir!",
        "条码格式错误，本条码内容仅包含数字与英文字母及部分符号！",
        "خطأ في تنسيق الباركود: لا يقبل هذا الباركود إلا الأرقام والحروف اللاتينية وبعض الرموز!"),
    "确认": row("Подтвердить", "Confirmar", "Confirmar", "Confirm", "확인", "Conferma", "Onayla", "确认", "تأكيد"),
    "警告": row("Предупреждение", "Advertencia", "Aviso", "Warning", "경고", "Avviso", "Uyarı", "警告", "تحذير"),
    "文件保存失败：%1\n%2": row("Не удалось сохранить файл: %1\n%2", "No se pudo guardar el archivo: %1\n%2",
                           "Não foi possível salvar o arquivo: %1\n%2", "Could not save the file: %1\n%2",
                           "파일을 저장하지 못했습니다: %1\n%2", "Impossibile salvare il file: %1\n%2",
                           "Dosya kaydedilemedi: %1\n%2", "文件保存失败：%1\n%2", "تعذّر حفظ الملف: %1\n%2"),

    # Reports of failed file commands and the question before unsaved changes
    # are set aside.
    "无法打开文件：%1": row("Не удалось открыть файл: %1", "No se pudo abrir el archivo: %1",
                        "Não foi possível abrir o arquivo: %1", "Could not open the file: %1",
                        "파일을 열 수 없습니다: %1", "Impossibile aprire il file: %1", "Dosya açılamadı: %1",
                        "无法打开文件：%1", "تعذّر فتح الملف: %1"),
    "文件不是有效的信息文件：%1": row("Файл не является файлом сообщения: %1",
                               "El archivo no es un archivo de mensaje válido: %1",
                               "O arquivo não é um arquivo de mensagem válido: %1",
                               "The file is not a valid message file: %1", "올바른 메시지 파일이 아닙니다: %1",
                               "Il file non è un file di messaggio valido: %1",
                               "Dosya geçerli bir mesaj dosyası değil: %1", "文件不是有效的信息文件：%1",
                               "الملف ليس ملف رسالة صالحًا: %1"),
    "无法删除文件：%1\n%2": row("Не удалось удалить файл: %1\n%2", "No se pudo eliminar el archivo: %1\n%2",
                           "Não foi possível excluir o arquivo: %1\n%2", "Could not delete the file: %1\n%2",
                           "파일을 삭제할 수 없습니다: %1\n%2", "Impossibile eliminare il file: %1\n%2",
                           "Dosya silinemedi: %1\n%2", "无法删除文件：%1\n%2", "تعذّر حذف الملف: %1\n%2"),
    "%1 有未保存的修改，是否保存？": row("В «%1» есть несохранённые изменения. Сохранить их?",
                                "%1 tiene cambios sin guardar. ¿Desea guardarlos?",
                                "%1 tem alterações não salvas. Deseja salvá-las?",
                                "%1 has unsaved changes. Save them?",
                                "%1에 저장하지 않은 변경 사항이 있습니다. 저장하시겠습니까?",
                                "%1 contiene modifiche non salvate. Salvarle?",
                                "%1 içinde kaydedilmemiş değişiklikler var. Kaydedilsin mi?",
                                "%1 有未保存的修改，是否保存？", "يحتوي %1 على تغييرات غير محفوظة. هل تريد حفظها؟"),
    # One box for the barcodes of a file whose content their symbology refuses.
    "内容无效的条码：%1": row("Штрихкоды с недопустимым содержимым: %1",
                          "Códigos de barras con contenido no válido: %1",
                          "Códigos de barras com conteúdo inválido: %1", "Barcodes with invalid content: %1",
                          "내용이 잘못된 바코드: %1", "Codici a barre con contenuto non valido: %1",
                          "İçeriği geçersiz barkodlar: %1", "内容无效的条码：%1", "باركودات محتواها غير صالح: %1"),
    "……另有 %1 个": row("…и ещё %1", "…y %1 más", "…e mais %1", "…and %1 more", "…외 %1개", "…e altri %1",
                     "…ve %1 tane daha", "……另有 %1 个", "…و%1 أخرى"),
    "不保存": row("Не сохранять", "No guardar", "Não salvar", "Don't save", "저장 안 함", "Non salvare", "Kaydetme",
               "不保存", "عدم الحفظ"),

    # Undo and redo, and the steps they name.
    "撤销": row("Отменить", "Deshacer", "Desfazer", "Undo", "실행 취소", "Annulla", "Geri al", "撤销", "تراجع"),
    "重做": row("Повторить", "Rehacer", "Refazer", "Redo", "다시 실행", "Ripeti", "Yinele", "重做", "إعادة"),
    "撤销：%1": row("Отменить: %1", "Deshacer: %1", "Desfazer: %1", "Undo: %1", "실행 취소: %1", "Annulla: %1",
                  "Geri al: %1", "撤销：%1", "تراجع: %1"),
    "帮助": row("Справка", "Ayuda", "Ajuda", "Help", "도움말", "Aiuto", "Yardım", "帮助", "مساعدة"),
    "操作手册": row("Руководство оператора", "Manual del operador", "Manual do operador", "Operator's Manual",
                "운영자 설명서", "Manuale dell'operatore", "Operatör kılavuzu", "操作手册", "دليل المشغل"),
    "找不到操作手册。": row("Руководство оператора не установлено.", "El manual del operador no está instalado.",
                    "O manual do operador não está instalado.", "The operator's manual is not installed.",
                    "운영자 설명서가 설치되어 있지 않습니다.", "Il manuale dell'operatore non è installato.",
                    "Operatör kılavuzu kurulu değil.", "找不到操作手册。", "دليل المشغل غير مثبت."),
    "无法打开操作手册：%1": row("Не удалось открыть руководство оператора: %1",
                       "No se puede abrir el manual del operador: %1", "Não é possível abrir o manual do operador: %1",
                       "Cannot open the operator's manual: %1", "운영자 설명서를 열 수 없습니다: %1",
                       "Impossibile aprire il manuale dell'operatore: %1", "Operatör kılavuzu açılamıyor: %1",
                       "无法打开操作手册：%1", "تعذر فتح دليل المشغل: %1"),
    "重做：%1": row("Повторить: %1", "Rehacer: %1", "Refazer: %1", "Redo: %1", "다시 실행: %1", "Ripeti: %1",
                  "Yinele: %1", "重做：%1", "إعادة: %1"),
    "添加": row("Добавить", "Añadir", "Adicionar", "Add", "추가", "Aggiungi", "Ekle", "添加", "إضافة"),
    "移动": row("Переместить", "Mover", "Mover", "Move", "이동", "Sposta", "Taşı", "移动", "نقل"),
    "修改内容": row("Изменить содержимое", "Cambiar contenido", "Alterar conteúdo", "Change content", "내용 변경",
                "Modifica contenuto", "İçeriği değiştir", "修改内容", "تغيير المحتوى"),
    "修改属性": row("Изменить свойства", "Cambiar propiedades", "Alterar propriedades", "Change properties",
                "속성 변경", "Modifica proprietà", "Özellikleri değiştir", "修改属性", "تغيير الخصائص"),

    # Text item default content.
    "Input text": row("Введите текст", "Introducir texto", "Inserir texto", "Input text", "텍스트 입력",
                      "Inserire testo", "Metin girin", "输入文本", "أدخل النص"),

    # Panels: labels shared by all seven.
    "Form": row("Форма", "Formulario", "Formulário", "Form", "폼", "Modulo", "Form", "窗体", "نموذج"),
    "X": same("X"),
    "Y": same("Y"),
    "旋转": row("Поворот", "Rotación", "Rotação", "Rotation", "회전", "Rotazione", "Döndürme", "旋转", "التدوير"),
    "字体": row("Шрифт", "Fuente", "Fonte", "Font", "글꼴", "Carattere", "Yazı tipi", "字体", "الخط"),
    "字号": row("Размер", "Tamaño", "Tamanho", "Size", "크기", "Dimensione", "Boyut", "字号", "الحجم"),
    "间距": row("Интервал", "Espaciado", "Espaçamento", "Spacing", "간격", "Spaziatura", "Aralık", "间距", "التباعد"),
    "更改": row("Изменить", "Cambiar", "Alterar", "Change", "변경", "Modifica", "Değiştir", "更改", "تغيير"),
    "类型": row("Разрядность", "Dígitos", "Dígitos", "Digits", "자릿수", "Cifre", "Basamak", "类型", "الخانات"),
    "类别": row("Тип", "Tipo", "Tipo", "Type", "유형", "Tipo", "Tür", "类别", "النوع"),
    "高度": row("Высота", "Altura", "Altura", "Height", "높이", "Altezza", "Yükseklik", "高度", "الارتفاع"),
    "宽度": row("Ширина", "Anchura", "Largura", "Width", "너비", "Larghezza", "Genişlik", "宽度", "العرض"),
    "显示数字": row("Показывать цифры", "Mostrar dígitos", "Mostrar dígitos", "Show digits", "숫자 표시",
                 "Mostra cifre", "Rakamları göster", "显示数字", "إظهار الأرقام"),
    "选择图形": row("Выбрать изображение", "Elegir imagen", "Escolher imagem", "Choose picture", "그림 선택",
                 "Scegli immagine", "Resim seç", "选择图形", "اختيار صورة"),
    "文件名": row("Имя файла", "Nombre de archivo", "Nome do arquivo", "File name", "파일 이름", "Nome file",
               "Dosya adı", "文件名", "اسم الملف"),
    "反 色": row("Инвертировать", "Invertir", "Inverter", "Reverse", "반전", "Inverti", "Ters çevir", "反 色",
               "عكس الألوان"),
    "缩放": row("Масштаб", "Escala", "Escala", "Scale", "배율", "Scala", "Ölçek", "缩放", "التحجيم"),
    "精度": row("Коррекция", "Corrección", "Correção", "Level", "오류 정정", "Correzione", "Düzeltme", "精度",
              "مستوى التصحيح"),
    "边长": row("Сторона", "Lado", "Lado", "Side", "변 길이", "Lato", "Kenar", "边长", "طول الضلع"),
    "可变": row("Переменный", "Variable", "Variável", "Variable", "가변", "Variabile", "Değişken", "可变", "متغير"),
    # QR error correction levels L, M, Q, H.
    "低": row("Низкий", "Bajo", "Baixo", "Low", "낮음", "Basso", "Düşük", "低", "منخفض"),
    "中": row("Средний", "Medio", "Médio", "Medium", "중간", "Medio", "Orta", "中", "متوسط"),
    "高": row("Высокий", "Alto", "Alto", "High", "높음", "Alto", "Yüksek", "高", "عالٍ"),
    "精准": row("Максимальный", "Máximo", "Máximo", "Highest", "최고", "Massimo", "En yüksek", "精准", "الأعلى"),
    # QR sides (versions 1 to 5).
    "21px": same("21px"),
    "25px": same("25px"),
    "29px": same("29px"),
    "33px": same("33px"),
    "37px": same("37px"),
    # Barcode symbologies.
    "EAN13": same("EAN13"),
    "EAN8": same("EAN8"),
    "Code_39": same("Code_39"),
    "Code_93": same("Code_93"),
    "UPCA": same("UPCA"),
    "UPCE": same("UPCE"),
    "Code_128": same("Code_128"),
    # Counter digits and counters.
    "1位": row("1 разряд", "1 dígito", "1 dígito", "1 digit", "1자리", "1 cifra", "1 basamak", "1位", "خانة واحدة"),
    "2位": row("2 разряда", "2 dígitos", "2 dígitos", "2 digits", "2자리", "2 cifre", "2 basamak", "2位", "خانتان"),
    "3位": row("3 разряда", "3 dígitos", "3 dígitos", "3 digits", "3자리", "3 cifre", "3 basamak", "3位", "3 خانات"),
    "4位": row("4 разряда", "4 dígitos", "4 dígitos", "4 digits", "4자리", "4 cifre", "4 basamak", "4位", "4 خانات"),
    "5位": row("5 разрядов", "5 dígitos", "5 dígitos", "5 digits", "5자리", "5 cifre", "5 basamak", "5位", "5 خانات"),
    "6位": row("6 разрядов", "6 dígitos", "6 dígitos", "6 digits", "6자리", "6 cifre", "6 basamak", "6位", "6 خانات"),
    "7位": row("7 разрядов", "7 dígitos", "7 dígitos", "7 digits", "7자리", "7 cifre", "7 basamak", "7位", "7 خانات"),
    "8位": row("8 разрядов", "8 dígitos", "8 dígitos", "8 digits", "8자리", "8 cifre", "8 basamak", "8位", "8 خانات"),
    "计数器1": row("Счётчик 1", "Contador 1", "Contador 1", "Counter 1", "카운터 1", "Contatore 1", "Sayaç 1",
                "计数器1", "العداد 1"),
    "计数器2": row("Счётчик 2", "Contador 2", "Contador 2", "Counter 2", "카운터 2", "Contatore 2", "Sayaç 2",
                "计数器2", "العداد 2"),
    # Font labels: the Chinese type faces keep their Latin names, the dot-matrix
    # printer faces are described.
    "宋体": row("SimSun", "SimSun", "SimSun", "SimSun", "SimSun", "SimSun", "SimSun", "宋体", "SimSun"),
    "黑体": row("SimHei", "SimHei", "SimHei", "SimHei", "SimHei", "SimHei", "SimHei", "黑体", "SimHei"),
    "微软雅黑": row("Microsoft YaHei", "Microsoft YaHei", "Microsoft YaHei", "Microsoft YaHei", "Microsoft YaHei",
                "Microsoft YaHei", "Microsoft YaHei", "微软雅黑", "Microsoft YaHei"),
    "楷体": row("KaiTi", "KaiTi", "KaiTi", "KaiTi", "KaiTi", "KaiTi", "KaiTi", "楷体", "KaiTi"),
    "Arial": same("Arial"),
    "华文彩云": row("STCaiyun", "STCaiyun", "STCaiyun", "STCaiyun", "STCaiyun", "STCaiyun", "STCaiyun", "华文彩云",
                "STCaiyun"),
    "隶体": row("LiSu", "LiSu", "LiSu", "LiSu", "LiSu", "LiSu", "LiSu", "隶体", "LiSu"),
    "方正超细": row("FZ сверхтонкий", "FZ ultrafina", "FZ ultrafina", "FZ UltraLight", "FZ 초세선",
                "FZ ultrasottile", "FZ ultra ince", "方正超细", "FZ رفيع جدًا"),
    "方正古隶": row("FZ GuLi", "FZ GuLi", "FZ GuLi", "FZ GuLi", "FZ GuLi", "FZ GuLi", "FZ GuLi", "方正古隶",
                "FZ GuLi"),
    "点阵繁体": row("Точечный традиционный", "Matricial tradicional", "Matricial tradicional",
                "Dot matrix traditional", "도트 번체", "Matrice di punti tradizionale", "Nokta matris geleneksel",
                "点阵繁体", "نقطي تقليدي"),
    "点阵汉字": row("Точечный китайский", "Matricial chino", "Matricial chinês", "Dot matrix Chinese", "도트 한자",
                "Matrice di punti cinese", "Nokta matris Çince", "点阵汉字", "نقطي صيني"),
    "7点阵圆点": row("7 точек, круглые", "7 puntos redondos", "7 pontos redondos", "7-dot round", "7도트 원형",
                 "7 punti tondi", "7 nokta yuvarlak", "7点阵圆点", "7 نقاط دائرية"),
    "7点阵方点": row("7 точек, квадратные", "7 puntos cuadrados", "7 pontos quadrados", "7-dot square",
                 "7도트 사각", "7 punti quadrati", "7 nokta kare", "7点阵方点", "7 نقاط مربعة"),
    "7点阵双点": row("7 точек, двойные", "7 puntos dobles", "7 pontos duplos", "7-dot double", "7도트 이중",
                 "7 punti doppi", "7 nokta çift", "7点阵双点", "7 نقاط مزدوجة"),
    "8点阵圆点": row("8 точек, круглые", "8 puntos redondos", "8 pontos redondos", "8-dot round", "8도트 원형",
                 "8 punti tondi", "8 nokta yuvarlak", "8点阵圆点", "8 نقاط دائرية"),
    "11点阵圆点": row("11 точек, круглые", "11 puntos redondos", "11 pontos redondos", "11-dot round",
                  "11도트 원형", "11 punti tondi", "11 nokta yuvarlak", "11点阵圆点", "11 نقطة دائرية"),
    "常用点阵": row("Обычный точечный", "Matricial común", "Matricial comum", "Common dot matrix", "일반 도트",
                "Matrice di punti comune", "Genel nokta matris", "常用点阵", "نقطي شائع"),
    "Arabic": row("Арабский", "Árabe", "Árabe", "Arabic", "아랍어", "Arabo", "Arapça", "阿拉伯文", "عربي"),

    # Time format dialog.
    "快速设置:": row("Быстрая настройка:", "Ajuste rápido:", "Configuração rápida:", "Quick setting:",
                  "빠른 설정:", "Impostazione rapida:", "Hızlı ayar:", "快速设置:", "إعداد سريع:"),
    "格式设置": row("Настройка формата", "Ajustes de formato", "Configurações de formato", "Format settings",
                "형식 설정", "Impostazioni del formato", "Biçim ayarları", "格式设置", "إعدادات التنسيق"),
    "年:": row("Год:", "Año:", "Ano:", "Year:", "년:", "Anno:", "Yıl:", "年:", "السنة:"),
    "月:": row("Месяц:", "Mes:", "Mês:", "Month:", "월:", "Mese:", "Ay:", "月:", "الشهر:"),
    "日:": row("День:", "Día:", "Dia:", "Day:", "일:", "Giorno:", "Gün:", "日:", "اليوم:"),
    "时:": row("Час:", "Hora:", "Hora:", "Hour:", "시:", "Ora:", "Saat:", "时:", "الساعة:"),
    "分:": row("Минута:", "Minuto:", "Minuto:", "Minute:", "분:", "Minuto:", "Dakika:", "分:", "الدقيقة:"),
    "秒:": row("Секунда:", "Segundo:", "Segundo:", "Second:", "초:", "Secondo:", "Saniye:", "秒:", "الثانية:"),
    "后缀": row("Суффикс", "Sufijo", "Sufixo", "Suffix", "접미사", "Suffisso", "Sonek", "后缀", "اللاحقة"),
    "顺序": row("Порядок", "Orden", "Ordem", "Order", "순서", "Ordine", "Sıra", "顺序", "الترتيب"),
    "空格": row("Пробел", "Espacio", "Espaço", "Space", "공백", "Spazio", "Boşluk", "空格", "مسافة"),
    "双空格": row("Два пробела", "Doble espacio", "Espaço duplo", "Double space", "이중 공백", "Doppio spazio",
               "Çift boşluk", "双空格", "مسافتان"),
    "取消": row("Отмена", "Cancelar", "Cancelar", "Cancel", "취소", "Annulla", "İptal", "取消", "إلغاء"),
    "预览": row("Просмотр", "Vista previa", "Visualizar", "Preview", "미리 보기", "Anteprima", "Önizleme", "预览",
              "معاينة"),
    "确定": row("ОК", "Aceptar", "OK", "OK", "확인", "OK", "Tamam", "确定", "موافق"),
    "2016/07/01 08:30:00": same("2016/07/01 08:30:00"),
    "格式:": row("Формат:", "Formato:", "Formato:", "Format:", "형식:", "Formato:", "Biçim:", "格式:", "التنسيق:"),

    # Dynamic QR content dialog.
    "计数器类型": row("Тип счётчика", "Tipo de contador", "Tipo de contador", "Counter type", "카운터 유형",
                 "Tipo di contatore", "Sayaç türü", "计数器类型", "نوع العداد"),
    "时间设置": row("Настройка времени", "Ajuste de hora", "Configurar hora", "Time setting", "시간 설정",
                "Impostazione ora", "Saat ayarı", "时间设置", "إعداد الوقت"),
}

# Date patterns: the dialog composes the format from the source texts, so the
# entries show exactly the pattern that will be used, in every language.
QUICK_FORMATS = [
    "yyyy年", "yy年", "yyyy", "yyyy/MM", "yy/MM", "yyyy.MM", "yyyy年MM月", "yyyy/MM/dd", "yy/MM/dd",
    "yyyy-MM-dd", "yy-MM-dd", "yyyy年MM月dd日", "yyyyMMdd", "yyyy/MM/dd hh时", "yy/MM/dd  hh时",
    "yyyy/MM/dd  hh:mm", "yy/MM/dd  hh:mm", "yyyy/MM/dd hh:mm:ss", "yy/MM/dd hh:mm:ss", "yyyy-MM-dd hh:mm:ss",
    "yy-MM-dd hh:mm:ss", "yyyy年MM月dd日 hh时mm分ss秒", "hh:mm:ss", "dd.MM.yyyy", "hh:mm",
]
PART_PATTERNS = ["yy", "MM", "dd", "hh", "mm", "ss"]
SUFFIX_MARKS = ["/", "-", ".", ":"]
for text in QUICK_FORMATS + PART_PATTERNS + SUFFIX_MARKS + [str(n) for n in range(1, 9)]:
    WORDS.setdefault(text, same(text))
WORDS.update({
    "年": unit("年", "год", "año", "ano", "year", "년", "anno", "yıl", "سنة"),
    "月": unit("月", "месяц", "mes", "mês", "month", "월", "mese", "ay", "شهر"),
    "日": unit("日", "день", "día", "dia", "day", "일", "giorno", "gün", "يوم"),
    "时": unit("时", "час", "hora", "hora", "hour", "시", "ora", "saat", "ساعة"),
    "分": unit("分", "минута", "minuto", "minuto", "minute", "분", "minuto", "dakika", "دقيقة"),
    "秒": unit("秒", "секунда", "segundo", "segundo", "second", "초", "secondo", "saniye", "ثانية"),
})

# The same source text, other words in one context.
CONTEXT_WORDS = {
    ("cntSetting", "类别"): row("Счётчик", "Contador", "Contador", "Counter", "카운터", "Contatore", "Sayaç",
                              "类别", "العداد"),
    ("setTimeModeDialog", "Dialog"): row("Формат времени", "Formato de hora", "Formato de hora", "Time format",
                                         "시간 형식", "Formato ora", "Saat biçimi", "时间格式", "تنسيق الوقت"),
    ("QRCodeDynamicStyleDialog", "Dialog"): row("Переменный QR-код", "Código QR variable", "Código QR variável",
                                                "Variable QR code", "가변 QR 코드", "Codice QR variabile",
                                                "Değişken QR kod", "可变二维码", "رمز QR متغير"),
    # The time dialog's lists say "取消" for a part or a suffix left out, the
    # same word as its Cancel button; they read as what they do.
    ("setTimeModeDialog", "取消", "leave the part out"): row(
        "Не выводить", "Omitir", "Omitir", "Leave out", "생략", "Ometti", "Gösterme", "不显示", "إغفال"),
    ("setTimeModeDialog", "取消", "no suffix"): row(
        "Без суффикса", "Sin sufijo", "Sem sufixo", "No suffix", "접미사 없음", "Nessun suffisso", "Soneksiz",
        "无后缀", "بلا لاحقة"),
}

TEXT_FONTS = ["宋体", "黑体", "微软雅黑", "楷体", "Arial", "华文彩云", "隶体", "方正超细", "方正古隶", "点阵繁体",
              "点阵汉字", "7点阵圆点", "7点阵方点", "8点阵圆点", "常用点阵", "Arabic"]
CNT2_FONTS = ["宋体", "黑体", "微软雅黑", "楷体", "点阵汉字", "Arial", "华文彩云", "隶体", "点阵繁体", "方正古隶",
              "7点阵圆点", "7点阵方点", "7点阵双点", "8点阵圆点", "11点阵圆点", "常用点阵"]
DIGITS = ["%d位" % n for n in range(1, 9)]
PANEL = ["Form", "X", "Y", "旋转"]
TEXT_LABELS = PANEL + ["字体", "字号", "间距"]

# Context -> its source texts, in the order the catalogues list them.
CONTEXTS = {
    "MainWindow": [
        "MainWindow", "toolBar", "完成", "文本", "文字", "时间", "序号", "序号1", "序号2", "图片", "条形码", "二维码",
        "delete", "删除", "file", "文件", "编辑", "平台", "新建", "打开", "保存", "另存为", "退出",
        "Type A", "Type B", "Type C", "Type D", "编辑软件", "Spray/Untitled.spr", "打开文件", "Spr Files(*.spr )",
        "保存文件", "*.spr", "删除文件", "打开图片", "Image Files(*.jpg *.bmp)",
    ],
    "QObject": [
        "条码格式错误，本条码为13位阿拉伯数字！", "条码格式错误，本条码为8位阿拉伯数字！",
        "条码格式错误，本条码内容仅包含数字与大写字母及部分符号！", "条码格式错误，本条码为12位阿拉伯数字！",
        "条码格式错误，本条码内容仅包含数字与英文字母及部分符号！", "条码格式错误！", "警告", "确认",
    ],
    "textSetting": TEXT_LABELS + TEXT_FONTS,
    "timeSetting": TEXT_LABELS + ["更改"] + TEXT_FONTS[:15],
    "cntSetting": TEXT_LABELS + ["类型", "类别"] + TEXT_FONTS[:15] + DIGITS + ["计数器1", "计数器2"],
    "cnt2Setting": TEXT_LABELS + ["类型"] + CNT2_FONTS + DIGITS,
    "barSetting": PANEL + ["高度", "类别", "显示数字", "EAN13", "EAN8", "Code_39", "Code_93", "UPCA", "UPCE",
                           "Code_128"],
    "imageSetting": PANEL + ["宽度", "高度", "选择图形", "文件名", "反 色"],
    "QRCodeSetting": PANEL + ["缩放", "精度", "边长", "可变", "低", "中", "高", "精准", "21px", "25px", "29px",
                              "33px", "37px"],
    "setTimeModeDialog": ["Dialog", "快速设置:"] + QUICK_FORMATS + [
        "格式设置", "年:", "月:", "日:", "时:", "分:", "秒:"] + PART_PATTERNS + [
        "取消", "后缀", "顺序"] + SUFFIX_MARKS[:3] + ["年", "月", "日", "空格", "双空格", ":", "时", "分", "秒",
                                                  "2016/07/01 08:30:00", "格式:", "预览", "确定"],
    "QRCodeDynamicStyleDialog": ["Dialog", "计数器类型"] + [str(n) for n in range(1, 9)] + ["时间设置", "确定", "取消"],
    "diagramTextItem": ["Input text"],
}

# Texts the program shows beyond the catalogue's first edition: messages for
# failures that used to pass in silence, undo and redo.  They are listed apart so that the
# counts of the first edition stay checkable.
ADDED = {
    "MainWindow": ["无法打开文件：%1", "文件不是有效的信息文件：%1", "无法删除文件：%1\n%2",
                   "%1 有未保存的修改，是否保存？", "不保存", "取消", "撤销", "重做", "撤销：%1", "重做：%1", "添加",
                   "移动", "修改内容", "修改属性", "帮助", "操作手册", "找不到操作手册。", "无法打开操作手册：%1"],
    "QObject": ["文件保存失败：%1\n%2", "内容无效的条码：%1", "……另有 %1 个"],
    "setTimeModeDialog": [("取消", "leave the part out"), ("取消", "no suffix")],
}

# Only the Arabic catalogue turns the layout around.
LAYOUT = {"arabic": "RTL"}


def split(entry):
    """An entry is a source text, or (source text, disambiguation) where one
    text needs two translations in one context."""
    return (entry, "") if isinstance(entry, str) else entry


def translation(context, entry, lang_index):
    source, comment = split(entry)
    if comment:
        words = CONTEXT_WORDS.get((context, source, comment))
    else:
        words = CONTEXT_WORDS.get((context, source)) or WORDS.get(source)
    if words is None:
        raise SystemExit("no translation for %r in context %s" % (source, context))
    text = words[lang_index]
    if not text:
        raise SystemExit("empty translation for %r in context %s" % (source, context))
    return text


def catalogue(lang_index):
    name, code = LANGUAGES[lang_index]
    out = ['<?xml version="1.0" encoding="utf-8"?>', "<!DOCTYPE TS>",
           '<TS version="2.1" language="%s" sourcelanguage="zh_CN">' % code]

    def context(cname, sources):
        out.append("<context>")
        out.append("    <name>%s</name>" % escape(cname))
        for entry in sources:
            source, comment = split(entry)
            out.append("    <message>")
            out.append("        <source>%s</source>" % escape(source))
            if comment:
                out.append("        <comment>%s</comment>" % escape(comment))
            out.append("        <translation>%s</translation>" % escape(translation(cname, entry, lang_index)))
            out.append("    </message>")
        out.append("</context>")

    if name in LAYOUT:
        # Qt 5 asks QGuiApplication for the layout direction when a translator
        # is installed; QApplication is where Qt 4 asked, kept for tools that
        # still look there.
        for cname in ("QApplication", "QGuiApplication"):
            out.append("<context>")
            out.append("    <name>%s</name>" % cname)
            out.append("    <message>")
            out.append("        <source>QT_LAYOUT_DIRECTION</source>")
            out.append("        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right "
                       "languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) "
                       "to get proper widget layout.</comment>")
            out.append("        <translation>%s</translation>" % LAYOUT[name])
            out.append("    </message>")
            out.append("</context>")
    for cname, sources in CONTEXTS.items():
        if len(set(sources)) != len(sources):
            raise SystemExit("duplicate source text in context %s" % cname)
        context(cname, sources + ADDED.get(cname, []))
    for cname, sources in ADDED.items():
        if cname not in CONTEXTS:
            context(cname, sources)
    out.append("</TS>")
    return "\n".join(out) + "\n"


# --- comparison with the sources -------------------------------------------

CPP_STRING = r'"(?:[^"\\]|\\.)*"'
CPP_STRINGS = r'(?:%s\s*)+' % CPP_STRING


def unescape(literals):
    """The text of one or more adjacent C++ string literals."""
    text = ""
    for part in re.findall(CPP_STRING, literals):
        text += re.sub(r'\\(.)', lambda m: {"n": "\n", "t": "\t"}.get(m.group(1), m.group(1)), part[1:-1])
    return text


def source_texts(folder):
    """(context, entry) pairs of the forms and of tr()/translate() in the code."""
    found = set()
    for name in sorted(os.listdir(folder)):
        path = os.path.join(folder, name)
        if name.endswith(".ui"):
            root = ET.parse(path).getroot()
            cls = root.findtext("class")
            for string in root.iter("string"):
                if string.get("notr") == "true" or not string.text:
                    continue
                comment = string.get("comment")
                found.add((cls, (string.text, comment) if comment else string.text))
        elif name.endswith((".cpp", ".h")):
            with open(path, encoding="utf-8") as f:
                code = f.read()
            def entry(text, comment):
                return (unescape(text), unescape(comment)) if comment else unescape(text)
            for m in re.finditer(r'\b(?:translate|QT_TRANSLATE_NOOP3?)\(\s*(%s)\s*,\s*(%s)(?:,\s*(%s))?'
                                 % (CPP_STRING, CPP_STRINGS, CPP_STRING), code):
                found.add((unescape(m.group(1)), entry(m.group(2), m.group(3))))
            for m in re.finditer(r'(?:\b(\w+)::)?\b(?:tr|QT_TR_NOOP)\(\s*(%s)(?:,\s*(%s))?'
                                 % (CPP_STRINGS, CPP_STRING), code):
                cls = m.group(1)
                if not cls:
                    heads = re.findall(r'^(?=[^\s#/]).*?\b(\w+)::~?\w+\s*\(', code[:m.start()], re.M)
                    cls = heads[-1] if heads else "?"
                found.add((cls, entry(m.group(2), m.group(3))))
    return found


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    root = os.path.normpath(os.path.join(here, "..", ".."))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=os.path.join(root, "messageeditor", "translations"))
    parser.add_argument("--check", action="store_true", help="list source texts missing from the table")
    parser.add_argument("--verify", action="store_true",
                        help="write nothing; fail when a .ts file differs from what the table gives")
    args = parser.parse_args()

    if args.verify:
        stale = []
        for index, (name, _) in enumerate(LANGUAGES):
            path = os.path.join(args.out, name + ".ts")
            try:
                with open(path, encoding="utf-8", newline="\n") as f:
                    current = f.read()
            except OSError:
                current = None
            if current != catalogue(index):
                stale.append(path)
        for path in stale:
            print("differs from the table: %s (run tools/translations/make_catalogues.py)" % path)
        return 1 if stale else 0

    os.makedirs(args.out, exist_ok=True)
    for index, (name, _) in enumerate(LANGUAGES):
        with open(os.path.join(args.out, name + ".ts"), "w", encoding="utf-8", newline="\n") as f:
            f.write(catalogue(index))
    counts = {c: len(s) for c, s in CONTEXTS.items()}
    print("wrote %d catalogues, %d first-edition entries %s" % (len(LANGUAGES), sum(counts.values()), counts))

    if args.check:
        known = {(c, s) for c, ss in CONTEXTS.items() for s in ss}
        known |= {(c, s) for c, ss in ADDED.items() for s in ss}
        found = source_texts(os.path.join(root, "messageeditor"))
        missing = sorted(found - known, key=repr)
        unused = sorted(known - found, key=repr)
        for c, s in missing:
            print("MISSING  %s: %r" % (c, s))
        for c, s in unused:
            print("unused   %s: %r" % (c, s))
        return 1 if missing else 0
    return 0


if __name__ == "__main__":
    sys.exit(main())
