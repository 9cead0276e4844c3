<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="zh_CN">
<context>
    <name>MainWindow</name>
    <message>
        <source>MainWindow</source>
        <translation>Ventana principal</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>文本</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>序号</source>
        <translation>Contador</translation>
    </message>
    <message>
        <source>序号1</source>
        <translation>Contador 1</translation>
    </message>
    <message>
        <source>序号2</source>
        <translation>Contador 2</translation>
    </message>
    <message>
        <source>图片</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>条形码</source>
        <translation>Código de barras</translation>
    </message>
    <message>
        <source>二维码</source>
        <translation>Código QR</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>file</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>平台</source>
        <translation>Plataforma</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Salir</translation>
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
        <translation>Software de edición</translation>
    </message>
    <message>
        <source>Spray/Untitled.spr</source>
        <translation>Spray/Sin título.spr</translation>
    </message>
    <message>
        <source>打开文件</source>
        <translation>Abrir archivo</translation>
    </message>
    <message>
        <source>Spr Files(*.spr )</source>
        <translation>Archivos Spr (*.spr )</translation>
    </message>
    <message>
        <source>保存文件</source>
        <translation>Guardar archivo</translation>
    </message>
    <message>
        <source>*.spr</source>
        <translation>*.spr</translation>
    </message>
    <message>
        <source>删除文件</source>
        <translation>Eliminar archivo</translation>
    </message>
    <message>
        <source>打开图片</source>
        <translation>Abrir imagen</translation>
    </message>
    <message>
        <source>Image Files(*.jpg *.bmp)</source>
        <translation>Archivos de imagen (*.jpg *.bmp)</translation>
    </message>
    <message>
        <source>无法打开文件：%1</source>
        <translation>No se pudo abrir el archivo: %1</translation>
    </message>
    <message>
        <source>文件不是有效的信息文件：%1</source>
        <translation>El archivo no es un archivo de mensaje válido: %1</translation>
    </message>
    <message>
        <source>无法删除文件：%1
%2</source>
        <translation>No se pudo eliminar el archivo: %1
%2</translation>
    </message>
    <message>
        <source>%1 有未保存的修改，是否保存？</source>
        <translation>%1 tiene cambios sin guardar. ¿Desea guardarlos?</translation>
    </message>
    <message>
        <source>不保存</source>
        <translation>No guardar</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>撤销：%1</source>
        <translation>Deshacer: %1</translation>
    </message>
    <message>
        <source>重做：%1</source>
        <translation>Rehacer: %1</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>移动</source>
        <translation>Mover</translation>
    </message>
    <message>
        <source>修改内容</source>
        <translation>Cambiar contenido</translation>
    </message>
    <message>
        <source>修改属性</source>
        <translation>Cambiar propiedades</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>操作手册</source>
        <translation>Manual del operador</translation>
    </message>
    <message>
        <source>找不到操作手册。</source>
        <translation>El manual del operador no está instalado.</translation>
    </message>
    <message>
        <source>无法打开操作手册：%1</source>
        <translation>No se puede abrir el manual del operador: %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>条码格式错误，本条码为13位阿拉伯数字！</source>
        <translation>¡Error de formato del código de barras: este código consta de 13 cifras arábigas!</translation>
    </message>
    <message>
        <source>条码格式错误，本条码为8位阿拉伯数字！</source>
        <translation>¡Error de formato del código de barras: este código consta de 8 cifras arábigas!</translation>
    </message>
    <message>
        <source>条码格式错误，本条码内容仅包含数字与大写字母及部分符号！</source>
        <translation>¡Error de formato del código de barras: este código solo admite cifras, letras mayúsculas y algunos símbolos!</translation>
    </message>
    <message>
        <source>条码格式错误，本条码为12位阿拉伯数字！</source>
        <translation>¡Error de formato del código de barras: este código consta de 12 cifras arábigas!</translation>
    </message>
    <message>
        <source>条码格式错误，本条码内容仅包含数字与英文字母及部分符号！</source>
        <translation>¡Error de formato del código de barras: este código solo admite cifras, letras latinas y algunos símbolos!</translation>
    </message>
    <message>
        <source>条码格式错误！</source>
        <translation>¡Error de formato del código de barras!</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>确认</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>文件保存失败：%1
%2</source>
        <translation>No se pudo guardar el archivo: %1
%2</translation>
    </message>
    <message>
        <source>内容无效的条码：%1</source>
        <translation>Códigos de barras con contenido no válido: %1</translation>
    </message>
    <message>
        <source>……另有 %1 个</source>
        <translation>…y %1 más</translation>
    </message>
</context>
<context>
    <name>textSetting</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
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
        <translation>Rotación</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>间距</source>
        <translation>Espaciado</translation>
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
        <translation>FZ ultrafina</translation>
    </message>
    <message>
        <source>方正古隶</source>
        <translation>FZ GuLi</translation>
    </message>
    <message>
        <source>点阵繁体</source>
        <translation>Matricial tradicional</translation>
    </message>
    <message>
        <source>点阵汉字</source>
        <translation>Matricial chino</translation>
    </message>
    <message>
        <source>7点阵圆点</source>
        <translation>7 puntos redondos</translation>
    </message>
    <message>
        <source>7点阵方点</source>
        <translation>7 puntos cuadrados</translation>
    </message>
    <message>
        <source>8点阵圆点</source>
        <translation>8 puntos redondos</translation>
    </message>
    <message>
        <source>常用点阵</source>
        <translation>Matricial común</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Árabe</translation>
    </message>
</context>
<context>
    <name>timeSetting</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
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
        <translation>Rotación</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>间距</source>
        <translation>Espaciado</translation>
    </message>
    <message>
        <source>更改</source>
        <translation>Cambiar</translation>
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
        <translation>FZ ultrafina</translation>
    </message>
    <message>
        <source>方正古隶</source>
        <translation>FZ GuLi</translation>
    </message>
    <message>
        <source>点阵繁体</source>
        <translation>Matricial tradicional</translation>
    </message>
    <message>
        <source>点阵汉字</source>
        <translation>Matricial chino</translation>
    </message>
    <message>
        <source>7点阵圆点</source>
        <translation>7 puntos redondos</translation>
    </message>
    <message>
        <source>7点阵方点</source>
        <translation>7 puntos cuadrados</translation>
    </message>
    <message>
        <source>8点阵圆点</source>
        <translation>8 puntos redondos</translation>
    </message>
    <message>
        <source>常用点阵</source>
        <translation>Matricial común</translation>
    </message>
</context>
<context>
    <name>cntSetting</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
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
        <translation>Rotación</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>间距</source>
        <translation>Espaciado</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Dígitos</translation>
    </message>
    <message>
        <source>类别</source>
        <translation>Contador</translation>
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
        <translation>FZ ultrafina</translation>
    </message>
    <message>
        <source>方正古隶</source>
        <translation>FZ GuLi</translation>
    </message>
    <message>
        <source>点阵繁体</source>
        <translation>Matricial tradicional</translation>
    </message>
    <message>
        <source>点阵汉字</source>
        <translation>Matricial chino</translation>
    </message>
    <message>
        <source>7点阵圆点</source>
        <translation>7 puntos redondos</translation>
    </message>
    <message>
        <source>7点阵方点</source>
        <translation>7 puntos cuadrados</translation>
    </message>
    <message>
        <source>8点阵圆点</source>
        <translation>8 puntos redondos</translation>
    </message>
    <message>
        <source>常用点阵</source>
        <translation>Matricial común</translation>
    </message>
    <message>
        <source>1位</source>
        <translation>1 dígito</translation>
    </message>
    <message>
        <source>2位</source>
        <translation>2 dígitos</translation>
    </message>
    <message>
        <source>3位</source>
        <translation>3 dígitos</translation>
    </message>
    <message>
        <source>4位</source>
        <translation>4 dígitos</translation>
    </message>
    <message>
        <source>5位</source>
        <translation>5 dígitos</translation>
    </message>
    <message>
        <source>6位</source>
        <translation>6 dígitos</translation>
    </message>
    <message>
        <source>7位</source>
        <translation>7 dígitos</translation>
    </message>
    <message>
        <source>8位</source>
        <translation>8 dígitos</translation>
    </message>
    <message>
        <source>计数器1</source>
        <translation>Contador 1</translation>
    </message>
    <message>
        <source>计数器2</source>
        <translation>Contador 2</translation>
    </message>
</context>
<context>
    <name>cnt2Setting</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
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
        <translation>Rotación</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>间距</source>
        <translation>Espaciado</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Dígitos</translation>
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
        <translation>Matricial chino</translation>
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
        <translation>Matricial tradicional</translation>
    </message>
    <message>
        <source>方正古隶</source>
        <translation>FZ GuLi</translation>
    </message>
    <message>
        <source>7点阵圆点</source>
        <translation>7 puntos redondos</translation>
    </message>
    <message>
        <source>7点阵方点</source>
        <translation>7 puntos cuadrados</translation>
    </message>
    <message>
        <source>7点阵双点</source>
        <translation>7 puntos dobles</translation>
    </message>
    <message>
        <source>8点阵圆点</source>
        <translation>8 puntos redondos</translation>
    </message>
    <message>
        <source>11点阵圆点</source>
        <translation>11 puntos redondos</translation>
    </message>
    <message>
        <source>常用点阵</source>
        <translation>Matricial común</translation>
    </message>
    <message>
        <source>1位</source>
        <translation>1 dígito</translation>
    </message>
    <message>
        <source>2位</source>
        <translation>2 dígitos</translation>
    </message>
    <message>
        <source>3位</source>
        <translation>3 dígitos</translation>
    </message>
    <message>
        <source>4位</source>
        <translation>4 dígitos</translation>
    </message>
    <message>
        <source>5位</source>
        <translation>5 dígitos</translation>
    </message>
    <message>
        <source>6位</source>
        <translation>6 dígitos</translation>
    </message>
    <message>
        <source>7位</source>
        <translation>7 dígitos</translation>
    </message>
    <message>
        <source>8位</source>
        <translation>8 dígitos</translation>
    </message>
</context>
<context>
    <name>barSetting</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
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
        <translation>Rotación</translation>
    </message>
    <message>
        <source>高度</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>类别</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>显示数字</source>
        <translation>Mostrar dígitos</translation>
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
        <translation>Formulario</translation>
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
        <translation>Rotación</translation>
    </message>
    <message>
        <source>宽度</source>
        <translation>Anchura</translation>
    </message>
    <message>
        <source>高度</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>选择图形</source>
        <translation>Elegir imagen</translation>
    </message>
    <message>
        <source>文件名</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <source>反 色</source>
        <translation>Invertir</translation>
    </message>
</context>
<context>
    <name>QRCodeSetting</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
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
        <translation>Rotación</translation>
    </message>
    <message>
        <source>缩放</source>
        <translation>Escala</translation>
    </message>
    <message>
        <source>精度</source>
        <translation>Corrección</translation>
    </message>
    <message>
        <source>边长</source>
        <translation>Lado</translation>
    </message>
    <message>
        <source>可变</source>
        <translation>Variable</translation>
    </message>
    <message>
        <source>低</source>
        <translation>Bajo</translation>
    </message>
    <message>
        <source>中</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>高</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>精准</source>
        <translation>Máximo</translation>
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
        <translation>Formato de hora</translation>
    </message>
    <message>
        <source>快速设置:</source>
        <translation>Ajuste rápido:</translation>
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
        <translation>Ajustes de formato</translation>
    </message>
    <message>
        <source>年:</source>
        <translation>Año:</translation>
    </message>
    <message>
        <source>月:</source>
        <translation>Mes:</translation>
    </message>
    <message>
        <source>日:</source>
        <translation>Día:</translation>
    </message>
    <message>
        <source>时:</source>
        <translation>Hora:</translation>
    </message>
    <message>
        <source>分:</source>
        <translation>Minuto:</translation>
    </message>
    <message>
        <source>秒:</source>
        <translation>Segundo:</translation>
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
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>后缀</source>
        <translation>Sufijo</translation>
    </message>
    <message>
        <source>顺序</source>
        <translation>Orden</translation>
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
        <translation>年 (año)</translation>
    </message>
    <message>
        <source>月</source>
        <translation>月 (mes)</translation>
    </message>
    <message>
        <source>日</source>
        <translation>日 (día)</translation>
    </message>
    <message>
        <source>空格</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>双空格</source>
        <translation>Doble espacio</translation>
    </message>
    <message>
        <source>:</source>
        <translation>:</translation>
    </message>
    <message>
        <source>时</source>
        <translation>时 (hora)</translation>
    </message>
    <message>
        <source>分</source>
        <translation>分 (minuto)</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>秒 (segundo)</translation>
    </message>
    <message>
        <source>2016/07/01 08:30:00</source>
        <translation>2016/07/01 08:30:00</translation>
    </message>
    <message>
        <source>格式:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>取消</source>
        <comment>leave the part out</comment>
        <translation>Omitir</translation>
    </message>
    <message>
        <source>取消</source>
        <comment>no suffix</comment>
        <translation>Sin sufijo</translation>
    </message>
</context>
<context>
    <name>QRCodeDynamicStyleDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Código QR variable</translation>
    </message>
    <message>
        <source>计数器类型</source>
        <translation>Tipo de contador</translation>
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
        <translation>Ajuste de hora</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>diagramTextItem</name>
    <message>
        <source>Input text</source>
        <translation>Introducir texto</translation>
    </message>
</context>
</TS>
