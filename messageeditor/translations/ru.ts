<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="zh_CN">
<context>
    <name>MainWindow</name>
    <message>
        <source>MainWindow</source>
        <translation>Главное окно</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Панель инструментов</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>文本</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>序号</source>
        <translation>Счётчик</translation>
    </message>
    <message>
        <source>序号1</source>
        <translation>Счётчик 1</translation>
    </message>
    <message>
        <source>序号2</source>
        <translation>Счётчик 2</translation>
    </message>
    <message>
        <source>图片</source>
        <translation>Изображение</translation>
    </message>
    <message>
        <source>条形码</source>
        <translation>Штрихкод</translation>
    </message>
    <message>
        <source>二维码</source>
        <translation>QR-код</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>file</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Правка</translation>
    </message>
    <message>
        <source>平台</source>
        <translation>Платформа</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Type A</source>
        <translation>Type A</translation>
    </message>
    <message>
        <source>Type B</source>
        <translation>Type B</translation>
    </message>
    <message>
        <source>Type C</source>
        <translation>Type C</translation>
    </message>
    <message>
        <source>Type D</source>
        <translation>Type D</translation>
    </message>
    <message>
        <source>编辑软件</source>
        <translation>Редактор сообщений</translation>
    </message>
    <message>
        <source>Spray/Untitled.spr</source>
        <translation>Spray/Без имени.spr</translation>
    </message>
    <message>
        <source>打开文件</source>
        <translation>Открыть файл</translation>
    </message>
    <message>
        <source>Spr Files(*.spr )</source>
        <translation>Файлы Spr (*.spr )</translation>
    </message>
    <message>
        <source>保存文件</source>
        <translation>Сохранить файл</translation>
    </message>
    <message>
        <source>*.spr</source>
        <translation>*.spr</translation>
    </message>
    <message>
        <source>删除文件</source>
        <translation>Удалить файл</translation>
    </message>
    <message>
        <source>打开图片</source>
        <translation>Открыть изображение</translation>
    </message>
    <message>
        <source>Image Files(*.jpg *.bmp)</source>
        <translation>Изображения (*.jpg *.bmp)</translation>
    </message>
    <message>
        <source>无法打开文件：%1</source>
        <translation>Не удалось открыть файл: %1</translation>
    </message>
    <message>
        <source>文件不是有效的信息文件：%1</source>
        <translation>Файл не является файлом сообщения: %1</translation>
    </message>
    <message>
        <source>无法删除文件：%1
%2</source>
        <translation>Не удалось удалить файл: %1
%2</translation>
    </message>
    <message>
        <source>%1 有未保存的修改，是否保存？</source>
        <translation>В «%1» есть несохранённые изменения. Сохранить их?</translation>
    </message>
    <message>
        <source>不保存</source>
        <translation>Не сохранять</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>撤销：%1</source>
        <translation>Отменить: %1</translation>
    </message>
    <message>
        <source>重做：%1</source>
        <translation>Повторить: %1</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>移动</source>
        <translation>Переместить</translation>
    </message>
    <message>
        <source>修改内容</source>
        <translation>Изменить содержимое</translation>
    </message>
    <message>
        <source>修改属性</source>
        <translation>Изменить свойства</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>操作手册</source>
        <translation>Руководство оператора</translation>
    </message>
    <message>
        <source>找不到操作手册。</source>
        <translation>Руководство оператора не установлено.</translation>
    </message>
    <message>
        <source>无法打开操作手册：%1</source>
        <translation>Не удалось открыть руководство оператора: %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>条码格式错误，本条码为13位阿拉伯数字！</source>
        <translation>Ошибка формата штрихкода: этот штрихкод состоит из 13 арабских цифр!</translation>
    </message>
    <message>
        <source>条码格式错误，本条码为8位阿拉伯数字！</source>
        <translation>Ошибка формата штрихкода: этот штрихкод состоит из 8 арабских цифр!</translation>
    </message>
    <message>
        <source>条码格式错误，本条码内容仅包含数字与大写字母及部分符号！</source>
        <translation>Ошибка формата штрихкода: этот штрихкод может содержать только цифры, заглавные латинские буквы и некоторые символы!</translation>
    </message>
    <message>
        <source>条码格式错误，本条码为12位阿拉伯数字！</source>
        <translation>Ошибка формата штрихкода: этот штрихкод состоит из 12 арабских цифр!</translation>
    </message>
    <message>
        <source>条码格式错误，本条码内容仅包含数字与英文字母及部分符号！</source>
        <translation>Ошибка формата штрихкода: этот штрихкод может содержать только цифры, латинские буквы и некоторые символы!</translation>
    </message>
    <message>
        <source>条码格式错误！</source>
        <translation>Ошибка формата штрихкода!</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>确认</source>
        <translation>Подтвердить</translation>
    </message>
    <message>
        <source>文件保存失败：%1
%2</source>
        <translation>Не удалось сохранить файл: %1
%2</translation>
    </message>
    <message>
        <source>内容无效的条码：%1</source>
        <translation>Штрихкоды с недопустимым содержимым: %1</translation>
    </message>
    <message>
        <source>……另有 %1 个</source>
        <translation>…и ещё %1</translation>
    </message>
</context>
<context>
    <name>textSetting</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>旋转</source>
        <translation>Поворот</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Шрифт</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>间距</source>
        <translation>Интервал</translation>
    </message>
    <message>
        <source>宋体</source>
        <translation>SimSun</translation>
    </message>
    <message>
        <source>黑体</source>
        <translation>SimHei</translation>
    </message>
    <message>
        <source>微软雅黑</source>
        <translation>Microsoft YaHei</translation>
    </message>
    <message>
        <source>楷体</source>
        <translation>KaiTi</translation>
    </message>
    <message>
        <source>Arial</source>
        <translation>Arial</translation>
    </message>
    <message>
        <source>华文彩云</source>
        <translation>STCaiyun</translation>
    </message>
    <message>
        <source>隶体</source>
        <translation>LiSu</translation>
    </message>
    <message>
        <source>方正超细</source>
        <translation>FZ сверхтонкий</translation>
    </message>
    <message>
        <source>方正古隶</source>
        <translation>FZ GuLi</translation>
    </message>
    <message>
        <source>点阵繁体</source>
        <translation>Точечный традиционный</translation>
    </message>
    <message>
        <source>点阵汉字</source>
        <translation>Точечный китайский</translation>
    </message>
    <message>
        <source>7点阵圆点</source>
        <translation>7 точек, круглые</translation>
    </message>
    <message>
        <source>7点阵方点</source>
        <translation>7 точек, квадратные</translation>
    </message>
    <message>
        <source>8点阵圆点</source>
        <translation>8 точек, круглые</translation>
    </message>
    <message>
        <source>常用点阵</source>
        <translation>Обычный точечный</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Арабский</translation>
    </message>
</context>
<context>
    <name>timeSetting</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>旋转</source>
        <translation>Поворот</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Шрифт</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>间距</source>
        <translation>Интервал</translation>
    </message>
    <message>
        <source>更改</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>宋体</source>
        <translation>SimSun</translation>
    </message>
    <message>
        <source>黑体</source>
        <translation>SimHei</translation>
    </message>
    <message>
        <source>微软雅黑</source>
        <translation>Microsoft YaHei</translation>
    </message>
    <message>
        <source>楷体</source>
        <translation>KaiTi</translation>
    </message>
    <message>
        <source>Arial</source>
        <translation>Arial</translation>
    </message>
    <message>
        <source>华文彩云</source>
        <translation>STCaiyun</translation>
    </message>
    <message>
        <source>隶体</source>
        <translation>LiSu</translation>
    </message>
    <message>
        <source>方正超细</source>
        <translation>FZ сверхтонкий</translation>
    </message>
    <message>
        <source>方正古隶</source>
        <translation>FZ GuLi</translation>
    </message>
    <message>
        <source>点阵繁体</source>
        <translation>Точечный традиционный</translation>
    </message>
    <message>
        <source>点阵汉字</source>
        <translation>Точечный китайский</translation>
    </message>
    <message>
        <source>7点阵圆点</source>
        <translation>7 точек, круглые</translation>
    </message>
    <message>
        <source>7点阵方点</source>
        <translation>7 точек, квадратные</translation>
    </message>
    <message>
        <source>8点阵圆点</source>
        <translation>8 точек, круглые</translation>
    </message>
    <message>
        <source>常用点阵</source>
        <translation>Обычный точечный</translation>
    </message>
</context>
<context>
    <name>cntSetting</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>旋转</source>
        <translation>Поворот</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Шрифт</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>间距</source>
        <translation>Интервал</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Разрядность</translation>
    </message>
    <message>
        <source>类别</source>
        <translation>Счётчик</translation>
    </message>
    <message>
        <source>宋体</source>
        <translation>SimSun</translation>
    </message>
    <message>
        <source>黑体</source>
        <translation>SimHei</translation>
    </message>
    <message>
        <source>微软雅黑</source>
        <translation>Microsoft YaHei</translation>
    </message>
    <message>
        <source>楷体</source>
        <translation>KaiTi</translation>
    </message>
    <message>
        <source>Arial</source>
        <translation>Arial</translation>
    </message>
    <message>
        <source>华文彩云</source>
        <translation>STCaiyun</translation>
    </message>
    <message>
        <source>隶体</source>
        <translation>LiSu</translation>
    </message>
    <message>
        <source>方正超细</source>
        <translation>FZ сверхтонкий</translation>
    </message>
    <message>
        <source>方正古隶</source>
        <translation>FZ GuLi</translation>
    </message>
    <message>
        <source>点阵繁体</source>
        <translation>Точечный традиционный</translation>
    </message>
    <message>
        <source>点阵汉字</source>
        <translation>Точечный китайский</translation>
    </message>
    <message>
        <source>7点阵圆点</source>
        <translation>7 точек, круглые</translation>
    </message>
    <message>
        <source>7点阵方点</source>
        <translation>7 точек, квадратные</translation>
    </message>
    <message>
        <source>8点阵圆点</source>
        <translation>8 точек, круглые</translation>
    </message>
    <message>
        <source>常用点阵</source>
        <translation>Обычный точечный</translation>
    </message>
    <message>
        <source>1位</source>
        <translation>1 разряд</translation>
    </message>
    <message>
        <source>2位</source>
        <translation>2 разряда</translation>
    </message>
    <message>
        <source>3位</source>
        <translation>3 разряда</translation>
    </message>
    <message>
        <source>4位</source>
        <translation>4 разряда</translation>
    </message>
    <message>
        <source>5位</source>
        <translation>5 разрядов</translation>
    </message>
    <message>
        <source>6位</source>
        <translation>6 разрядов</translation>
    </message>
    <message>
        <source>7位</source>
        <translation>7 разрядов</translation>
    </message>
    <message>
        <source>8位</source>
        <translation>8 разрядов</translation>
    </message>
    <message>
        <source>计数器1</source>
        <translation>Счётчик 1</translation>
    </message>
    <message>
        <source>计数器2</source>
        <translation>Счётчик 2</translation>
    </message>
</context>
<context>
    <name>cnt2Setting</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>旋转</source>
        <translation>Поворот</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Шрифт</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>间距</source>
        <translation>Интервал</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Разрядность</translation>
    </message>
    <message>
        <source>宋体</source>
        <translation>SimSun</translation>
    </message>
    <message>
        <source>黑体</source>
        <translation>SimHei</translation>
    </message>
    <message>
        <source>微软雅黑</source>
        <translation>Microsoft YaHei</translation>
    </message>
    <message>
        <source>楷体</source>
        <translation>KaiTi</translation>
    </message>
    <message>
        <source>点阵汉字</source>
        <translation>Точечный китайский</translation>
    </message>
    <message>
        <source>Arial</source>
        <translation>Arial</translation>
    </message>
    <message>
        <source>华文彩云</source>
        <translation>STCaiyun</translation>
    </message>
    <message>
        <source>隶体</source>
        <translation>LiSu</translation>
    </message>
    <message>
        <source>点阵繁体</source>
        <translation>Точечный традиционный</translation>
    </message>
    <message>
        <source>方正古隶</source>
        <translation>FZ GuLi</translation>
    </message>
    <message>
        <source>7点阵圆点</source>
        <translation>7 точек, круглые</translation>
    </message>
    <message>
        <source>7点阵方点</source>
        <translation>7 точек, квадратные</translation>
    </message>
    <message>
        <source>7点阵双点</source>
        <translation>7 точек, двойные</translation>
    </message>
    <message>
        <source>8点阵圆点</source>
        <translation>8 точек, круглые</translation>
    </message>
    <message>
        <source>11点阵圆点</source>
        <translation>11 точек, круглые</translation>
    </message>
    <message>
        <source>常用点阵</source>
        <translation>Обычный точечный</translation>
    </message>
    <message>
        <source>1位</source>
        <translation>1 разряд</translation>
    </message>
    <message>
        <source>2位</source>
        <translation>2 разряда</translation>
    </message>
    <message>
        <source>3位</source>
        <translation>3 разряда</translation>
    </message>
    <message>
        <source>4位</source>
        <translation>4 разряда</translation>
    </message>
    <message>
        <source>5位</source>
        <translation>5 разрядов</translation>
    </message>
    <message>
        <source>6位</source>
        <translation>6 разрядов</translation>
    </message>
    <message>
        <source>7位</source>
        <translation>7 разрядов</translation>
    </message>
    <message>
        <source>8位</source>
        <translation>8 разрядов</translation>
    </message>
</context>
<context>
    <name>barSetting</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>旋转</source>
        <translation>Поворот</translation>
    </message>
    <message>
        <source>高度</source>
        <translation>Высота</translation>
    </message>
    <message>
        <source>类别</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>显示数字</source>
        <translation>Показывать цифры</translation>
    </message>
    <message>
        <source>EAN13</source>
        <translation>EAN13</translation>
    </message>
    <message>
        <source>EAN8</source>
        <translation>EAN8</translation>
    </message>
    <message>
        <source>Code_39</source>
        <translation>Code_39</translation>
    </message>
    <message>
        <source>Code_93</source>
        <translation>Code_93</translation>
    </message>
    <message>
        <source>UPCA</source>
        <translation>UPCA</translation>
    </message>
    <message>
        <source>UPCE</source>
        <translation>UPCE</translation>
    </message>
    <message>
        <source>Code_128</source>
        <translation>Code_128</translation>
    </message>
</context>
<context>
    <name>imageSetting</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>旋转</source>
        <translation>Поворот</translation>
    </message>
    <message>
        <source>宽度</source>
        <translation>Ширина</translation>
    </message>
    <message>
        <source>高度</source>
        <translation>Высота</translation>
    </message>
    <message>
        <source>选择图形</source>
        <translation>Выбрать изображение</translation>
    </message>
    <message>
        <source>文件名</source>
        <translation>Имя файла</translation>
    </message>
    <message>
        <source>反 色</source>
        <translation>Инвертировать</translation>
    </message>
</context>
<context>
    <name>QRCodeSetting</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>旋转</source>
        <translation>Поворот</translation>
    </message>
    <message>
        <source>缩放</source>
        <translation>Масштаб</translation>
    </message>
    <message>
        <source>精度</source>
        <translation>Коррекция</translation>
    </message>
    <message>
        <source>边长</source>
        <translation>Сторона</translation>
    </message>
    <message>
        <source>可变</source>
        <translation>Переменный</translation>
    </message>
    <message>
        <source>低</source>
        <translation>Низкий</translation>
    </message>
    <message>
        <source>中</source>
        <translation>Средний</translation>
    </message>
    <message>
        <source>高</source>
        <translation>Высокий</translation>
    </message>
    <message>
        <source>精准</source>
        <translation>Максимальный</translation>
    </message>
    <message>
        <source>21px</source>
        <translation>21px</translation>
    </message>
    <message>
        <source>25px</source>
        <translation>25px</translation>
    </message>
    <message>
        <source>29px</source>
        <translation>29px</translation>
    </message>
    <message>
        <source>33px</source>
        <translation>33px</translation>
    </message>
    <message>
        <source>37px</source>
        <translation>37px</translation>
    </message>
</context>
<context>
    <name>setTimeModeDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Формат времени</translation>
    </message>
    <message>
        <source>快速设置:</source>
        <translation>Быстрая настройка:</translation>
    </message>
    <message>
        <source>yyyy年</source>
        <translation>yyyy年</translation>
    </message>
    <message>
        <source>yy年</source>
        <translation>yy年</translation>
    </message>
    <message>
        <source>yyyy</source>
        <translation>yyyy</translation>
    </message>
    <message>
        <source>yyyy/MM</source>
        <translation>yyyy/MM</translation>
    </message>
    <message>
        <source>yy/MM</source>
        <translation>yy/MM</translation>
    </message>
    <message>
        <source>yyyy.MM</source>
        <translation>yyyy.MM</translation>
    </message>
    <message>
        <source>yyyy年MM月</source>
        <translation>yyyy年MM月</translation>
    </message>
    <message>
        <source>yyyy/MM/dd</source>
        <translation>yyyy/MM/dd</translation>
    </message>
    <message>
        <source>yy/MM/dd</source>
        <translation>yy/MM/dd</translation>
    </message>
    <message>
        <source>yyyy-MM-dd</source>
        <translation>yyyy-MM-dd</translation>
    </message>
    <message>
        <source>yy-MM-dd</source>
        <translation>yy-MM-dd</translation>
    </message>
    <message>
        <source>yyyy年MM月dd日</source>
        <translation>yyyy年MM月dd日</translation>
    </message>
    <message>
        <source>yyyyMMdd</source>
        <translation>yyyyMMdd</translation>
    </message>
    <message>
        <source>yyyy/MM/dd hh时</source>
        <translation>yyyy/MM/dd hh时</translation>
    </message>
    <message>
        <source>yy/MM/dd  hh时</source>
        <translation>yy/MM/dd  hh时</translation>
    </message>
    <message>
        <source>yyyy/MM/dd  hh:mm</source>
        <translation>yyyy/MM/dd  hh:mm</translation>
    </message>
    <message>
        <source>yy/MM/dd  hh:mm</source>
        <translation>yy/MM/dd  hh:mm</translation>
    </message>
    <message>
        <source>yyyy/MM/dd hh:mm:ss</source>
        <translation>yyyy/MM/dd hh:mm:ss</translation>
    </message>
    <message>
        <source>yy/MM/dd hh:mm:ss</source>
        <translation>yy/MM/dd hh:mm:ss</translation>
    </message>
    <message>
        <source>yyyy-MM-dd hh:mm:ss</source>
        <translation>yyyy-MM-dd hh:mm:ss</translation>
    </message>
    <message>
        <source>yy-MM-dd hh:mm:ss</source>
        <translation>yy-MM-dd hh:mm:ss</translation>
    </message>
    <message>
        <source>yyyy年MM月dd日 hh时mm分ss秒</source>
        <translation>yyyy年MM月dd日 hh时mm分ss秒</translation>
    </message>
    <message>
        <source>hh:mm:ss</source>
        <translation>hh:mm:ss</translation>
    </message>
    <message>
        <source>dd.MM.yyyy</source>
        <translation>dd.MM.yyyy</translation>
    </message>
    <message>
        <source>hh:mm</source>
        <translation>hh:mm</translation>
    </message>
    <message>
        <source>格式设置</source>
        <translation>Настройка формата</translation>
    </message>
    <message>
        <source>年:</source>
        <translation>Год:</translation>
    </message>
    <message>
        <source>月:</source>
        <translation>Месяц:</translation>
    </message>
    <message>
        <source>日:</source>
        <translation>День:</translation>
    </message>
    <message>
        <source>时:</source>
        <translation>Час:</translation>
    </message>
    <message>
        <source>分:</source>
        <translation>Минута:</translation>
    </message>
    <message>
        <source>秒:</source>
        <translation>Секунда:</translation>
    </message>
    <message>
        <source>yy</source>
        <translation>yy</translation>
    </message>
    <message>
        <source>MM</source>
        <translation>MM</translation>
    </message>
    <message>
        <source>dd</source>
        <translation>dd</translation>
    </message>
    <message>
        <source>hh</source>
        <translation>hh</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>ss</source>
        <translation>ss</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>后缀</source>
        <translation>Суффикс</translation>
    </message>
    <message>
        <source>顺序</source>
        <translation>Порядок</translation>
    </message>
    <message>
        <source>/</source>
        <translation>/</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>.</source>
        <translation>.</translation>
    </message>
    <message>
        <source>年</source>
        <translation>年 (год)</translation>
    </message>
    <message>
        <source>月</source>
        <translation>月 (месяц)</translation>
    </message>
    <message>
        <source>日</source>
        <translation>日 (день)</translation>
    </message>
    <message>
        <source>空格</source>
        <translation>Пробел</translation>
    </message>
    <message>
        <source>双空格</source>
        <translation>Два пробела</translation>
    </message>
    <message>
        <source>:</source>
        <translation>:</translation>
    </message>
    <message>
        <source>时</source>
        <translation>时 (час)</translation>
    </message>
    <message>
        <source>分</source>
        <translation>分 (минута)</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>秒 (секунда)</translation>
    </message>
    <message>
        <source>2016/07/01 08:30:00</source>
        <translation>2016/07/01 08:30:00</translation>
    </message>
    <message>
        <source>格式:</source>
        <translation>Формат:</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>Просмотр</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>取消</source>
        <comment>leave the part out</comment>
        <translation>Не выводить</translation>
    </message>
    <message>
        <source>取消</source>
        <comment>no suffix</comment>
        <translation>Без суффикса</translation>
    </message>
</context>
<context>
    <name>QRCodeDynamicStyleDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Переменный QR-код</translation>
    </message>
    <message>
        <source>计数器类型</source>
        <translation>Тип счётчика</translation>
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
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>7</source>
        <translation>7</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>时间设置</source>
        <translation>Настройка времени</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>diagramTextItem</name>
    <message>
        <source>Input text</source>
        <translation>Введите текст</translation>
    </message>
</context>
</TS>
