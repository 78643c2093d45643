#include "common/texts/product_texts.h"

#include "common/texts/text_table.h"

namespace quillmere {
namespace {

using texts::TextRow;

// Every text the deliverables show, each once, with its translations beside it (UTF-8). Texts
// that are PowerPoint's own (its command names) are not here: a translated ribbon leaves them to
// PowerPoint.
// clang-format off
constexpr TextRow<TextId> kProductTexts[] = {
  {TextId::TabClassic, {
      .en = "Classic", .de = "Klassisch", .fr = "Classique", .es = "Clásico", .it = "Classico", .pt_br = "Clássico",
      .pt_pt = "Clássico", .nl = "Klassiek", .ja = "クラシック", .zh_cn = "经典", .zh_tw = "經典", .ko = "클래식",
      .ru = "Классический", .pl = "Klasyczny"}},
  {TextId::GroupToolsPanel, {
      .en = "Tools panel", .de = "Werkzeugbereich", .fr = "Panneau d'outils", .es = "Panel de herramientas",
      .it = "Pannello strumenti", .pt_br = "Painel de ferramentas", .pt_pt = "Painel de ferramentas", .nl = "Werkset",
      .ja = "ツール パネル", .zh_cn = "工具面板", .zh_tw = "工具面板", .ko = "도구 패널", .ru = "Панель инструментов",
      .pl = "Panel narzędzi"}},
  {TextId::MenuAll, {
      .en = "All", .de = "Alle", .fr = "Tout", .es = "Todo", .it = "Tutto", .pt_br = "Tudo", .pt_pt = "Tudo",
      .nl = "Alles", .ja = "すべて", .zh_cn = "全部", .zh_tw = "全部", .ko = "모두", .ru = "Все", .pl = "Wszystko"}},
  {TextId::MenuFile, {
      .en = "File", .de = "Datei", .fr = "Fichier", .es = "Archivo", .it = "File", .pt_br = "Arquivo",
      .pt_pt = "Ficheiro", .nl = "Bestand", .ja = "ファイル", .zh_cn = "文件", .zh_tw = "檔案", .ko = "파일",
      .ru = "Файл", .pl = "Plik"}},
  {TextId::MenuEdit, {
      .en = "Edit", .de = "Bearbeiten", .fr = "Edition", .es = "Edición", .it = "Modifica", .pt_br = "Editar",
      .pt_pt = "Editar", .nl = "Bewerken", .ja = "編集", .zh_cn = "编辑", .zh_tw = "編輯", .ko = "편집", .ru = "Правка",
      .pl = "Edycja"}},
  {TextId::MenuView, {
      .en = " View", .de = "Ansicht", .fr = "Affichage", .es = "Ver", .it = "Visualizza", .pt_br = "Exibir",
      .pt_pt = "Ver", .nl = "Beeld", .ja = "表示", .zh_cn = "视图", .zh_tw = "檢視", .ko = "보기", .ru = "Вид",
      .pl = "Widok"}},
  {TextId::MenuInsert, {
      .en = "Insert", .de = "Einfügen", .fr = "Insertion", .es = "Insertar", .it = "Inserisci", .pt_br = "Inserir",
      .pt_pt = "Inserir", .nl = "Invoegen", .ja = "挿入", .zh_cn = "插入", .zh_tw = "插入", .ko = "삽입",
      .ru = "Вставка", .pl = "Wstaw"}},
  {TextId::MenuFormat, {
      .en = "Format", .de = "Format", .fr = "Format", .es = "Formato", .it = "Formato", .pt_br = "Formatar",
      .pt_pt = "Formatar", .nl = "Opmaak", .ja = "書式", .zh_cn = "格式", .zh_tw = "格式", .ko = "서식", .ru = "Формат",
      .pl = "Format"}},
  {TextId::MenuTools, {
      .en = "Tools", .de = "Extras", .fr = "Outils", .es = "Herramientas", .it = "Strumenti", .pt_br = "Ferramentas",
      .pt_pt = "Ferramentas", .nl = "Extra", .ja = "ツール", .zh_cn = "工具", .zh_tw = "工具", .ko = "도구",
      .ru = "Сервис", .pl = "Narzędzia"}},
  {TextId::MenuSlideShow, {
      .en = "Slide Show", .de = "Bildschirmpräsentation", .fr = "Diaporama", .es = "Presentación",
      .it = "Presentazione", .pt_br = "Apresentações", .pt_pt = "Apresentação", .nl = "Diavoorstelling",
      .ja = "スライドショー", .zh_cn = "幻灯片放映", .zh_tw = "投影片放映", .ko = "슬라이드 쇼", .ru = "Показ слайдов",
      .pl = "Pokaz slajdów"}},
  {TextId::MenuWindows, {
      .en = "Windows", .de = "Fenster", .fr = "Fenêtre", .es = "Ventana", .it = "Finestra", .pt_br = "Janela",
      .pt_pt = "Janela", .nl = "Venster", .ja = "ウィンドウ", .zh_cn = "窗口", .zh_tw = "視窗", .ko = "창",
      .ru = "Окно", .pl = "Okno"}},
  {TextId::MenuHelp, {
      .en = "Help", .de = "?", .fr = "?", .es = "?", .it = "?", .pt_br = "Ajuda", .pt_pt = "Ajuda", .nl = "Help",
      .ja = "ヘルプ", .zh_cn = "帮助", .zh_tw = "說明", .ko = "도움말", .ru = "Справка", .pl = "Pomoc"}},
  {TextId::SubmenuMaster, {
      .en = "Master", .de = "Master", .fr = "Masque", .es = "Patrón", .it = "Schema", .pt_br = "Mestre",
      .pt_pt = "Modelo global", .nl = "Model", .ja = "マスタ", .zh_cn = "母版", .zh_tw = "母片", .ko = "마스터",
      .ru = "Образец", .pl = "Wzorzec"}},
  {TextId::SubmenuColorGrayscale, {
      .en = "Color/Grayscale", .de = "Farbe/Graustufen", .fr = "Couleur/Nuances de gris",
      .es = "Color o escala de grises", .it = "Colore/Scala di grigi", .pt_br = "Cor/Escala de cinza",
      .pt_pt = "Cor/Escala de cinzentos", .nl = "Kleur/grijswaarden", .ja = "カラー/グレースケール",
      .zh_cn = "颜色/灰度", .zh_tw = "色彩/灰階", .ko = "컬러/회색조", .ru = "Цвет или оттенки серого",
      .pl = "Kolor/Skala szarości"}},
  {TextId::SubmenuComments, {
      .en = "Comments", .de = "Kommentare", .fr = "Commentaires", .es = "Comentarios", .it = "Commenti",
      .pt_br = "Comentários", .pt_pt = "Comentários", .nl = "Opmerkingen", .ja = "コメント", .zh_cn = "批注",
      .zh_tw = "註解", .ko = "메모", .ru = "Примечания", .pl = "Komentarze"}},
  {TextId::SubmenuIllustrations, {
      .en = "Illustrations", .de = "Illustrationen", .fr = "Illustrations", .es = "Ilustraciones",
      .it = "Illustrazioni", .pt_br = "Ilustrações", .pt_pt = "Ilustrações", .nl = "Illustraties", .ja = "図",
      .zh_cn = "插图", .zh_tw = "圖例", .ko = "일러스트레이션", .ru = "Иллюстрации", .pl = "Ilustracje"}},
  {TextId::SubmenuAlignment, {
      .en = "Alignment", .de = "Ausrichtung", .fr = "Alignement", .es = "Alineación", .it = "Allineamento",
      .pt_br = "Alinhamento", .pt_pt = "Alinhamento", .nl = "Uitlijning", .ja = "配置", .zh_cn = "对齐方式",
      .zh_tw = "對齊方式", .ko = "맞춤", .ru = "Выравнивание", .pl = "Wyrównanie"}},
  {TextId::SubmenuMacro, {
      .en = "Macro", .de = "Makro", .fr = "Macro", .es = "Macro", .it = "Macro", .pt_br = "Macro", .pt_pt = "Macro",
      .nl = "Macro", .ja = "マクロ", .zh_cn = "宏", .zh_tw = "巨集", .ko = "매크로", .ru = "Макрос", .pl = "Makro"}},
  {TextId::SubmenuControls, {
      .en = "Controls", .de = "Steuerelemente", .fr = "Contrôles", .es = "Controles", .it = "Controlli",
      .pt_br = "Controles", .pt_pt = "Controlos", .nl = "Besturingselementen", .ja = "コントロール", .zh_cn = "控件",
      .zh_tw = "控制項", .ko = "컨트롤", .ru = "Элементы управления", .pl = "Formanty"}},
  {TextId::SubmenuTransition, {
      .en = "Transition to This Slide…", .de = "Folienübergang…", .fr = "Transition…",
      .es = "Transición de diapositiva…", .it = "Transizione diapositiva…", .pt_br = "Transição de slides…",
      .pt_pt = "Transição de diapositivos…", .nl = "Diaovergang…", .ja = "画面切り替え…", .zh_cn = "幻灯片切换…",
      .zh_tw = "投影片轉場…", .ko = "화면 전환…", .ru = "Смена слайдов…", .pl = "Przejście slajdu…"}},
  {TextId::ButtonUninstall, {
      .en = "Uninstall Quillmere", .de = "Quillmere deinstallieren", .fr = "Désinstaller Quillmere",
      .es = "Desinstalar Quillmere", .it = "Disinstalla Quillmere", .pt_br = "Desinstalar o Quillmere",
      .pt_pt = "Desinstalar o Quillmere", .nl = "Quillmere verwijderen", .ja = "Quillmere のアンインストール",
      .zh_cn = "卸载 Quillmere", .zh_tw = "解除安裝 Quillmere", .ko = "Quillmere 제거", .ru = "Удалить Quillmere",
      .pl = "Odinstaluj Quillmere"}},
  {TextId::ButtonUninstallTip, {
      .en = "You can uninstall using this option.",
      .de = "Über diesen Befehl können Sie Quillmere deinstallieren.",
      .fr = "Cette commande permet de désinstaller Quillmere.",
      .es = "Con esta opción puede desinstalar Quillmere.",
      .it = "Con questa opzione è possibile disinstallare Quillmere.",
      .pt_br = "Use esta opção para desinstalar o Quillmere.",
      .pt_pt = "Utilize esta opção para desinstalar o Quillmere.",
      .nl = "Met deze optie kunt u Quillmere verwijderen.",
      .ja = "このコマンドで Quillmere をアンインストールできます。",
      .zh_cn = "使用此选项可以卸载 Quillmere。",
      .zh_tw = "使用此選項可以解除安裝 Quillmere。",
      .ko = "이 옵션을 사용하여 Quillmere를 제거할 수 있습니다.",
      .ru = "С помощью этой команды можно удалить Quillmere.",
      .pl = "Za pomocą tej opcji można odinstalować program Quillmere."}},
  {TextId::ButtonAbout, {
      .en = "About Quillmere", .de = "Info über Quillmere", .fr = "À propos de Quillmere", .es = "Acerca de Quillmere",
      .it = "Informazioni su Quillmere", .pt_br = "Sobre o Quillmere", .pt_pt = "Acerca do Quillmere",
      .nl = "Info over Quillmere", .ja = "Quillmere のバージョン情報", .zh_cn = "关于 Quillmere",
      .zh_tw = "關於 Quillmere", .ko = "Quillmere 정보", .ru = "О программе Quillmere",
      .pl = "Informacje o programie Quillmere"}},
  {TextId::About, {
      .en = "About", .de = "Info", .fr = "À propos", .es = "Acerca de", .it = "Informazioni", .pt_br = "Sobre",
      .pt_pt = "Acerca de", .nl = "Info", .ja = "バージョン情報", .zh_cn = "关于", .zh_tw = "關於", .ko = "정보",
      .ru = "О программе", .pl = "Informacje"}},
  {TextId::Website, {
      .en = "Website: ", .de = "Website: ", .fr = "Site web : ", .es = "Sitio web: ", .it = "Sito Web: ",
      .pt_br = "Site: ", .pt_pt = "Site: ", .nl = "Website: ", .ja = "Web サイト: ", .zh_cn = "网站: ",
      .zh_tw = "網站: ", .ko = "웹 사이트: ", .ru = "Веб-сайт: ", .pl = "Witryna: "}},
  {TextId::Ok, {
      .en = "OK", .de = "OK", .fr = "OK", .es = "Aceptar", .it = "OK", .pt_br = "OK", .pt_pt = "OK", .nl = "OK",
      .ja = "OK", .zh_cn = "确定", .zh_tw = "確定", .ko = "확인", .ru = "ОК", .pl = "OK"}},
  {TextId::Cancel, {
      .en = "Cancel", .de = "Abbrechen", .fr = "Annuler", .es = "Cancelar", .it = "Annulla", .pt_br = "Cancelar",
      .pt_pt = "Cancelar", .nl = "Annuleren", .ja = "キャンセル", .zh_cn = "取消", .zh_tw = "取消", .ko = "취소",
      .ru = "Отмена", .pl = "Anuluj"}},
  {TextId::AboutVersion, {
      .en = "Version ", .de = "Version ", .fr = "Version ", .es = "Versión ", .it = "Versione ", .pt_br = "Versão ",
      .pt_pt = "Versão ", .nl = "Versie ", .ja = "バージョン ", .zh_cn = "版本 ", .zh_tw = "版本 ", .ko = "버전 ",
      .ru = "Версия ", .pl = "Wersja "}},
  {TextId::UninstallInstruction, {
      .en = "To uninstall, close PowerPoint and then go to",
      .de = "Schließen Sie zum Deinstallieren PowerPoint, und wählen Sie dann",
      .fr = "Pour désinstaller, fermez PowerPoint, puis choisissez",
      .es = "Para desinstalar, cierre PowerPoint y vaya a",
      .it = "Per disinstallare, chiudere PowerPoint e scegliere",
      .pt_br = "Para desinstalar, feche o PowerPoint e vá para",
      .pt_pt = "Para desinstalar, feche o PowerPoint e aceda a",
      .nl = "Als u wilt verwijderen, sluit u PowerPoint en kiest u",
      .ja = "アンインストールするには、PowerPoint を閉じてから、次の項目を選んでください",
      .zh_cn = "若要卸载，请关闭 PowerPoint，然后转到",
      .zh_tw = "若要解除安裝，請關閉 PowerPoint，然後移至",
      .ko = "제거하려면 PowerPoint를 닫은 다음 아래 항목으로 이동하십시오.",
      .ru = "Чтобы удалить программу, закройте PowerPoint и выберите",
      .pl = "Aby odinstalować, zamknij program PowerPoint i przejdź do"}},
  // The Start menu's own names; the product's folder and shortcut follow, under the names the
  // installer gives them.
  {TextId::UninstallStartMenu, {
      .en = "Start > Program Files", .de = "Start > Alle Programme", .fr = "Démarrer > Tous les programmes",
      .es = "Inicio > Todos los programas", .it = "Start > Tutti i programmi", .pt_br = "Iniciar > Todos os Programas",
      .pt_pt = "Iniciar > Todos os Programas", .nl = "Start > Alle programma's", .ja = "スタート > すべてのプログラム",
      .zh_cn = "开始 > 所有程序", .zh_tw = "開始 > 所有程式", .ko = "시작 > 모든 프로그램",
      .ru = "Пуск > Все программы", .pl = "Start > Wszystkie programy"}},
  {TextId::PanelVersion, {
      .en = "Version:   ", .de = "Version:   ", .fr = "Version :   ", .es = "Versión:   ", .it = "Versione:   ",
      .pt_br = "Versão:   ", .pt_pt = "Versão:   ", .nl = "Versie:   ", .ja = "バージョン:   ", .zh_cn = "版本:   ",
      .zh_tw = "版本:   ", .ko = "버전:   ", .ru = "Версия:   ", .pl = "Wersja:   "}},
  {TextId::PanelLocked, {
      .en = "Set by your administrator", .de = "Von Ihrem Administrator festgelegt",
      .fr = "Défini par votre administrateur", .es = "Establecido por el administrador",
      .it = "Impostato dall'amministratore", .pt_br = "Definido pelo administrador",
      .pt_pt = "Definido pelo administrador", .nl = "Ingesteld door uw beheerder",
      .ja = "管理者によって設定されています", .zh_cn = "由管理员设置", .zh_tw = "由系統管理員設定",
      .ko = "관리자가 설정함", .ru = "Задано администратором", .pl = "Ustawione przez administratora"}},
  {TextId::PanelLockedUnreadable, {
      .en = "Your administrator's setting cannot be read",
      .de = "Die Einstellung Ihres Administrators kann nicht gelesen werden",
      .fr = "Le paramètre de votre administrateur ne peut pas être lu",
      .es = "No se puede leer la configuración del administrador",
      .it = "Impossibile leggere l'impostazione dell'amministratore",
      .pt_br = "Não é possível ler a configuração do administrador",
      .pt_pt = "Não é possível ler a definição do administrador",
      .nl = "De instelling van uw beheerder kan niet worden gelezen",
      .ja = "管理者の設定を読み取れません",
      .zh_cn = "无法读取管理员的设置",
      .zh_tw = "無法讀取系統管理員的設定",
      .ko = "관리자 설정을 읽을 수 없음",
      .ru = "Не удается прочитать параметр администратора",
      .pl = "Nie można odczytać ustawienia administratora"}},
  {TextId::WrongBuildNotice, {
      .en = "Your PowerPoint is {powerpoint}-bit; this Quillmere is the {build}-bit build. Install {package} instead.",
      .de = "Ihr PowerPoint ist eine {powerpoint}-Bit-Version; dieses Quillmere ist die {build}-Bit-Version. Installieren Sie stattdessen {package}.",
      .fr = "Votre PowerPoint est en {powerpoint} bits ; ce Quillmere est la version {build} bits. Installez plutôt {package}.",
      .es = "Su PowerPoint es de {powerpoint} bits; este Quillmere es la versión de {build} bits. Instale {package} en su lugar.",
      .it = "PowerPoint in uso è a {powerpoint} bit; questo Quillmere è la versione a {build} bit. Installare invece {package}.",
      .pt_br = "Seu PowerPoint é de {powerpoint} bits; este Quillmere é a versão de {build} bits. Instale {package} em vez dele.",
      .pt_pt = "O seu PowerPoint é de {powerpoint} bits; este Quillmere é a versão de {build} bits. Instale {package} em vez dele.",
      .nl = "Uw PowerPoint is {powerpoint}-bits; deze Quillmere is de {build}-bits versie. Installeer in plaats daarvan {package}.",
      .ja = "お使いの PowerPoint は {powerpoint} ビット版ですが、この Quillmere は {build} ビット版です。代わりに {package} をインストールしてください。",
      .zh_cn = "您的 PowerPoint 是 {powerpoint} 位版本；此 Quillmere 是 {build} 位版本。请改为安装 {package}。",
      .zh_tw = "您的 PowerPoint 是 {powerpoint} 位元版本；此 Quillmere 是 {build} 位元版本。請改為安裝 {package}。",
      .ko = "PowerPoint는 {powerpoint}비트 버전이고 이 Quillmere는 {build}비트 버전입니다. 대신 {package}을(를) 설치하십시오.",
      .ru = "Ваш PowerPoint — {powerpoint}-разрядный, а этот Quillmere — {build}-разрядная версия. Установите вместо него {package}.",
      .pl = "Twój program PowerPoint jest {powerpoint}-bitowy, a ten Quillmere to wersja {build}-bitowa. Zainstaluj zamiast niego {package}."}},
  {TextId::ErrorTitle, {
      .en = "Application Error", .de = "Anwendungsfehler", .fr = "Erreur d'application", .es = "Error de la aplicación",
      .it = "Errore dell'applicazione", .pt_br = "Erro do aplicativo", .pt_pt = "Erro da aplicação",
      .nl = "Toepassingsfout", .ja = "アプリケーション エラー", .zh_cn = "应用程序错误", .zh_tw = "應用程式錯誤",
      .ko = "응용 프로그램 오류", .ru = "Ошибка приложения", .pl = "Błąd aplikacji"}},
  {TextId::ErrorAtLine, {
      .en = " at line ", .de = " in Zeile ", .fr = " à la ligne ", .es = " en la línea ", .it = " alla riga ",
      .pt_br = " na linha ", .pt_pt = " na linha ", .nl = " op regel ", .ja = " 行 ", .zh_cn = " 行 ", .zh_tw = " 行 ",
      .ko = " 줄 ", .ru = " в строке ", .pl = " w wierszu "}},
  {TextId::ErrorRequest, {
      .en = "Please email screenshot of this message to ",
      .de = "Bitte senden Sie einen Screenshot dieser Meldung per E-Mail an ",
      .fr = "Veuillez envoyer une capture d'écran de ce message par courrier électronique à ",
      .es = "Envíe una captura de pantalla de este mensaje por correo electrónico a ",
      .it = "Inviare una schermata di questo messaggio tramite posta elettronica a ",
      .pt_br = "Envie uma captura de tela desta mensagem por email para ",
      .pt_pt = "Envie uma captura de ecrã desta mensagem por correio eletrónico para ",
      .nl = "Stuur een schermafbeelding van dit bericht per e-mail naar ",
      .ja = "このメッセージのスクリーンショットを電子メールでお送りください: ",
      .zh_cn = "请将此消息的屏幕截图通过电子邮件发送至 ",
      .zh_tw = "請將此訊息的螢幕擷取畫面以電子郵件寄至 ",
      .ko = "이 메시지의 스크린샷을 전자 메일로 보내 주십시오: ",
      .ru = "Отправьте снимок экрана с этим сообщением по адресу ",
      .pl = "Wyślij zrzut ekranu tego komunikatu pocztą e-mail na adres "}},
  {TextId::BoxClassic, {
      .en = "Show Classic Menu and Toolbars in MS PowerPoint 2007",
      .de = "Klassische Menüs und Symbolleisten in MS PowerPoint 2007 anzeigen",
      .fr = "Afficher les menus et barres d'outils classiques dans MS PowerPoint 2007",
      .es = "Mostrar los menús y barras de herramientas clásicos en MS PowerPoint 2007",
      .it = "Mostra i menu e le barre degli strumenti classici in MS PowerPoint 2007",
      .pt_br = "Mostrar os menus e barras de ferramentas clássicos no MS PowerPoint 2007",
      .pt_pt = "Mostrar os menus e barras de ferramentas clássicos no MS PowerPoint 2007",
      .nl = "Klassieke menu's en werkbalken weergeven in MS PowerPoint 2007",
      .ja = "MS PowerPoint 2007 にクラシック メニューとツール バーを表示する",
      .zh_cn = "在 MS PowerPoint 2007 中显示经典菜单和工具栏",
      .zh_tw = "在 MS PowerPoint 2007 中顯示經典功能表和工具列",
      .ko = "MS PowerPoint 2007에 클래식 메뉴 및 도구 모음 표시",
      .ru = "Показывать классические меню и панели инструментов в MS PowerPoint 2007",
      .pl = "Pokaż klasyczne menu i paski narzędzi w programie MS PowerPoint 2007"}},
  {TextId::BoxLeft, {
      .en = "Show menu tabs on the left of home tab",
      .de = "Registerkarte mit den Menüs links von „Start“ anzeigen",
      .fr = "Afficher l'onglet des menus à gauche de l'onglet Accueil",
      .es = "Mostrar la ficha de menús a la izquierda de la ficha Inicio",
      .it = "Mostra la scheda dei menu a sinistra della scheda Home",
      .pt_br = "Mostrar a guia de menus à esquerda da guia Início",
      .pt_pt = "Mostrar o separador de menus à esquerda do separador Base",
      .nl = "Tabblad met menu's links van het tabblad Start weergeven",
      .ja = "メニューのタブを [ホーム] タブの左に表示する",
      .zh_cn = "在“开始”选项卡左侧显示菜单选项卡",
      .zh_tw = "在 [常用] 索引標籤左側顯示功能表索引標籤",
      .ko = "메뉴 탭을 [홈] 탭 왼쪽에 표시",
      .ru = "Показывать вкладку меню слева от вкладки «Главная»",
      .pl = "Pokaż kartę menu po lewej stronie karty Narzędzia główne"}},
  {TextId::BoxAll, {
      .en = "Show all items in main menu", .de = "Alle Elemente im Hauptmenü anzeigen",
      .fr = "Afficher tous les éléments dans le menu principal",
      .es = "Mostrar todos los elementos en el menú principal", .it = "Mostra tutti gli elementi nel menu principale",
      .pt_br = "Mostrar todos os itens no menu principal", .pt_pt = "Mostrar todos os itens no menu principal",
      .nl = "Alle items in het hoofdmenu weergeven", .ja = "メイン メニューにすべての項目を表示する",
      .zh_cn = "在主菜单中显示所有项目", .zh_tw = "在主功能表中顯示所有項目", .ko = "주 메뉴에 모든 항목 표시",
      .ru = "Показывать все элементы в главном меню", .pl = "Pokaż wszystkie elementy w menu głównym"}},
  // The tab boxes carry the names of PowerPoint's own tabs in that language.
  {TextId::BoxHome, {
      .en = "Home", .de = "Start", .fr = "Accueil", .es = "Inicio", .it = "Home", .pt_br = "Início", .pt_pt = "Base",
      .nl = "Start", .ja = "ホーム", .zh_cn = "开始", .zh_tw = "常用", .ko = "홈", .ru = "Главная",
      .pl = "Narzędzia główne"}},
  {TextId::BoxInsert, {
      .en = "Insert", .de = "Einfügen", .fr = "Insertion", .es = "Insertar", .it = "Inserisci", .pt_br = "Inserir",
      .pt_pt = "Inserir", .nl = "Invoegen", .ja = "挿入", .zh_cn = "插入", .zh_tw = "插入", .ko = "삽입",
      .ru = "Вставка", .pl = "Wstawianie"}},
  {TextId::BoxDesign, {
      .en = "Design", .de = "Entwurf", .fr = "Création", .es = "Diseño", .it = "Progettazione", .pt_br = "Design",
      .pt_pt = "Estrutura", .nl = "Ontwerpen", .ja = "デザイン", .zh_cn = "设计", .zh_tw = "設計", .ko = "디자인",
      .ru = "Дизайн", .pl = "Projektowanie"}},
  {TextId::BoxAnimations, {
      .en = "Animations", .de = "Animationen", .fr = "Animations", .es = "Animaciones", .it = "Animazioni",
      .pt_br = "Animações", .pt_pt = "Animações", .nl = "Animaties", .ja = "アニメーション", .zh_cn = "动画",
      .zh_tw = "動畫", .ko = "애니메이션", .ru = "Анимация", .pl = "Animacje"}},
  {TextId::BoxView, {
      .en = " View", .de = "Ansicht", .fr = "Affichage", .es = "Vista", .it = "Visualizza", .pt_br = "Exibição",
      .pt_pt = "Ver", .nl = "Beeld", .ja = "表示", .zh_cn = "视图", .zh_tw = "檢視", .ko = "보기", .ru = "Вид",
      .pl = "Widok"}},
  {TextId::BoxReview, {
      .en = "Review", .de = "Überprüfen", .fr = "Révision", .es = "Revisar", .it = "Revisione", .pt_br = "Revisão",
      .pt_pt = "Rever", .nl = "Controleren", .ja = "校閲", .zh_cn = "审阅", .zh_tw = "校閱", .ko = "검토",
      .ru = "Рецензирование", .pl = "Recenzja"}},
  {TextId::BoxSlideShow, {
      .en = "Slide Show", .de = "Bildschirmpräsentation", .fr = "Diaporama", .es = "Presentación con diapositivas",
      .it = "Presentazione", .pt_br = "Apresentação de Slides", .pt_pt = "Apresentação de Diapositivos",
      .nl = "Diavoorstelling", .ja = "スライド ショー", .zh_cn = "幻灯片放映", .zh_tw = "投影片放映",
      .ko = "슬라이드 쇼", .ru = "Показ слайдов", .pl = "Pokaz slajdów"}},
  {TextId::BoxDeveloper, {
      .en = "Developer", .de = "Entwicklertools", .fr = "Développeur", .es = "Programador", .it = "Sviluppo",
      .pt_br = "Desenvolvedor", .pt_pt = "Programador", .nl = "Ontwikkelaars", .ja = "開発", .zh_cn = "开发工具",
      .zh_tw = "開發人員", .ko = "개발 도구", .ru = "Разработчик", .pl = "Deweloper"}},
  {TextId::BoxHideTabs, {
      .en = "Hide built-in tabs", .de = "Integrierte Registerkarten ausblenden", .fr = "Masquer les onglets intégrés",
      .es = "Ocultar las fichas integradas", .it = "Nascondi le schede predefinite",
      .pt_br = "Ocultar as guias internas", .pt_pt = "Ocultar os separadores incorporados",
      .nl = "Ingebouwde tabbladen verbergen", .ja = "組み込みタブを非表示にする", .zh_cn = "隐藏内置选项卡",
      .zh_tw = "隱藏內建索引標籤", .ko = "기본 제공 탭 숨기기", .ru = "Скрыть встроенные вкладки",
      .pl = "Ukryj wbudowane karty"}},
  // The box hides the Slide Master tab, whose name it carries in the translations.
  {TextId::BoxFormat, {
      .en = "Format", .de = "Folienmaster", .fr = "Masque des diapositives", .es = "Patrón de diapositivas",
      .it = "Schema diapositiva", .pt_br = "Slide Mestre", .pt_pt = "Modelo Global de Diapositivos", .nl = "Diamodel",
      .ja = "スライド マスター", .zh_cn = "幻灯片母版", .zh_tw = "投影片母片", .ko = "슬라이드 마스터",
      .ru = "Образец слайдов", .pl = "Wzorzec slajdów"}},
};
// clang-format on
static_assert(texts::FirstIncompleteRow(kProductTexts) == kTextCount,
              "a text is missing, out of order, or lacks a translation");

constexpr auto kPacked = texts::Pack<texts::CharactersOf(kProductTexts)>(kProductTexts);

}  // namespace

std::string_view Text(TextId id, UiLanguage language) { return texts::PackedText(kPacked, id, language); }

}  // namespace quillmere
