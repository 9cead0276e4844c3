<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="zh_CN">
<context>
    <name>MainWindow</name>
    <message>
        <source>MainWindow</source>
        <translation>Janela principal</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Barra de ferramentas</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Concluir</translation>
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
        <translation>Imagem</translation>
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
        <translation>Excluir</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>file</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Arquivo</translation>
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
        <translation>Novo</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Salvar como</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Sair</translation>
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
        <translation>Software de edição</translation>
    </message>
    <message>
        <source>Spray/Untitled.spr</source>
        <translation>Spray/Sem título.spr</translation>
    </message>
    <message>
        <source>打开文件</source>
        <translation>Abrir arquivo</translation>
    </message>
    <message>
        <source>Spr Files(*.spr )</source>
        <translation>Arquivos Spr (*.spr )</translation>
    </message>
    <message>
        <source>保存文件</source>
        <translation>Salvar arquivo</translation>
    </message>
    <message>
        <source>*.spr</source>
        <translation>*.spr</translation>
    </message>
    <message>
        <source>删除文件</source>
        <translation>Excluir arquivo</translation>
    </message>
    <message>
        <source>打开图片</source>
        <translation>Abrir imagem</translation>
    </message>
    <message>
        <source>Image Files(*.jpg *.bmp)</source>
        <translation>Arquivos de imagem (*.jpg *.bmp)</translation>
    </message>
    <message>
        <source>无法打开文件：%1</source>
        <translation>Não foi possível abrir o arquivo: %1</translation>
    </message>
    <message>
        <source>文件不是有效的信息文件：%1</source>
        <translation>O arquivo não é um arquivo de mensagem válido: %1</translation>
    </message>
    <message>
        <source>无法删除文件：%1
%2</source>
        <translation>Não foi possível excluir o arquivo: %1
%2</translation>
    </message>
    <message>
        <source>%1 有未保存的修改，是否保存？</source>
        <translation>%1 tem alterações não salvas. Deseja salvá-las?</translation>
    </message>
    <message>
        <source>不保存</source>
        <translation>Não salvar</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>撤销：%1</source>
        <translation>Desfazer: %1</translation>
    </message>
    <message>
        <source>重做：%1</source>
        <translation>Refazer: %1</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>移动</source>
        <translation>Mover</translation>
    </message>
    <message>
        <source>修改内容</source>
        <translation>Alterar conteúdo</translation>
    </message>
    <message>
        <source>修改属性</source>
        <translation>Alterar propriedades</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>操作手册</source>
        <translation>Manual do operador</translation>
    </message>
    <message>
        <source>找不到操作手册。</source>
        <translation>O manual do operador não está instalado.</translation>
    </message>
    <message>
        <source>无法打开操作手册：%1</source>
        <translation>Não é possível abrir o manual do operador: %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>条码格式错误，本条码为13位阿拉伯数字！</source>
        <translation>Erro de formato do código de barras: este código tem 13 algarismos arábicos!</translation>
    </message>
    <message>
        <source>条码格式错误，本条码为8位阿拉伯数字！</source>
        <translation>Erro de formato do código de barras: este código tem 8 algarismos arábicos!</translation>
    </message>
    <message>
        <source>条码格式错误，本条码内容仅包含数字与大写字母及部分符号！</source>
        <translation>Erro de formato do código de barras: este código só admite algarismos, letras maiúsculas e alguns símbolos!</translation>
    </message>
    <message>
        <source>条码格式错误，本条码为12位阿拉伯数字！</source>
        <translation>Erro de formato do código de barras: este código tem 12 algarismos arábicos!</translation>
    </message>
    <message>
        <source>条码格式错误，本条码内容仅包含数字与英文字母及部分符号！</source>
        <translation>Erro de formato do código de barras: este código só admite algarismos, letras latinas e alguns símbolos!</translation>
    </message>
    <message>
        <source>条码格式错误！</source>
        <translation>Erro de formato do código de barras!</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>确认</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>文件保存失败：%1
%2</source>
        <translation>Não foi possível salvar o arquivo: %1
%2</translation>
    </message>
    <message>
        <source>内容无效的条码：%1</source>
        <translation>Códigos de barras com conteúdo inválido: %1</translation>
    </message>
    <message>
        <source>……另有 %1 个</source>
        <translation>…e mais %1</translation>
    </message>
</context>
<context>
    <name>textSetting</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
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
        <translation>Rotação</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Fonte</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>间距</source>
        <translation>Espaçamento</translation>
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
        <translation>Matricial chinês</translation>
    </message>
    <message>
        <source>7点阵圆点</source>
        <translation>7 pontos redondos</translation>
    </message>
    <message>
        <source>7点阵方点</source>
        <translation>7 pontos quadrados</translation>
    </message>
    <message>
        <source>8点阵圆点</source>
        <translation>8 pontos redondos</translation>
    </message>
    <message>
        <source>常用点阵</source>
        <translation>Matricial comum</translation>
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
        <translation>Formulário</translation>
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
        <translation>Rotação</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Fonte</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>间距</source>
        <translation>Espaçamento</translation>
    </message>
    <message>
        <source>更改</source>
        <translation>Alterar</translation>
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
        <translation>Matricial chinês</translation>
    </message>
    <message>
        <source>7点阵圆点</source>
        <translation>7 pontos redondos</translation>
    </message>
    <message>
        <source>7点阵方点</source>
        <translation>7 pontos quadrados</translation>
    </message>
    <message>
        <source>8点阵圆点</source>
        <translation>8 pontos redondos</translation>
    </message>
    <message>
        <source>常用点阵</source>
        <translation>Matricial comum</translation>
    </message>
</context>
<context>
    <name>cntSetting</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
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
        <translation>Rotação</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Fonte</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>间距</source>
        <translation>Espaçamento</translation>
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
        <translation>Matricial chinês</translation>
    </message>
    <message>
        <source>7点阵圆点</source>
        <translation>7 pontos redondos</translation>
    </message>
    <message>
        <source>7点阵方点</source>
        <translation>7 pontos quadrados</translation>
    </message>
    <message>
        <source>8点阵圆点</source>
        <translation>8 pontos redondos</translation>
    </message>
    <message>
        <source>常用点阵</source>
        <translation>Matricial comum</translation>
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
        <translation>Formulário</translation>
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
        <translation>Rotação</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Fonte</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>间距</source>
        <translation>Espaçamento</translation>
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
        <translation>Matricial chinês</translation>
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
        <translation>7 pontos redondos</translation>
    </message>
    <message>
        <source>7点阵方点</source>
        <translation>7 pontos quadrados</translation>
    </message>
    <message>
        <source>7点阵双点</source>
        <translation>7 pontos duplos</translation>
    </message>
    <message>
        <source>8点阵圆点</source>
        <translation>8 pontos redondos</translation>
    </message>
    <message>
        <source>11点阵圆点</source>
        <translation>11 pontos redondos</translation>
    </message>
    <message>
        <source>常用点阵</source>
        <translation>Matricial comum</translation>
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
        <translation>Formulário</translation>
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
        <translation>Rotação</translation>
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
        <translation>Formulário</translation>
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
        <translation>Rotação</translation>
    </message>
    <message>
        <source>宽度</source>
        <translation>Largura</translation>
    </message>
    <message>
        <source>高度</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>选择图形</source>
        <translation>Escolher imagem</translation>
    </message>
    <message>
        <source>文件名</source>
        <translation>Nome do arquivo</translation>
    </message>
    <message>
        <source>反 色</source>
        <translation>Inverter</translation>
    </message>
</context>
<context>
    <name>QRCodeSetting</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
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
        <translation>Rotação</translation>
    </message>
    <message>
        <source>缩放</source>
        <translation>Escala</translation>
    </message>
    <message>
        <source>精度</source>
        <translation>Correção</translation>
    </message>
    <message>
        <source>边长</source>
        <translation>Lado</translation>
    </message>
    <message>
        <source>可变</source>
        <translation>Variável</translation>
    </message>
    <message>
        <source>低</source>
        <translation>Baixo</translation>
    </message>
    <message>
        <source>中</source>
        <translation>Médio</translation>
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
        <translation>Configuração rápida:</translation>
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
        <translation>Configurações de formato</translation>
    </message>
    <message>
        <source>年:</source>
        <translation>Ano:</translation>
    </message>
    <message>
        <source>月:</source>
        <translation>Mês:</translation>
    </message>
    <message>
        <source>日:</source>
        <translation>Dia:</translation>
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
        <translation>Sufixo</translation>
    </message>
    <message>
        <source>顺序</source>
        <translation>Ordem</translation>
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
        <translation>年 (ano)</translation>
    </message>
    <message>
        <source>月</source>
        <translation>月 (mês)</translation>
    </message>
    <message>
        <source>日</source>
        <translation>日 (dia)</translation>
    </message>
    <message>
        <source>空格</source>
        <translation>Espaço</translation>
    </message>
    <message>
        <source>双空格</source>
        <translation>Espaço duplo</translation>
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
        <translation>Visualizar</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <comment>leave the part out</comment>
        <translation>Omitir</translation>
    </message>
    <message>
        <source>取消</source>
        <comment>no suffix</comment>
        <translation>Sem sufixo</translation>
    </message>
</context>
<context>
    <name>QRCodeDynamicStyleDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Código QR variável</translation>
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
        <translation>Configurar hora</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
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
        <translation>Inserir texto</translation>
    </message>
</context>
</TS>
