#pragma once

// Every text the product shows, each once, with its translations beside it (UTF-8). Adding a
// language is adding one enumerator and one column: a row that lacks it fails to compile.
// Texts that are PowerPoint's own (its command names) are not here: a translated ribbon leaves
// them to PowerPoint.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace quillmere {

// The languages of the table's columns, in column order. English is the product's own text and
// what every language without a column gets.
enum class UiLanguage : std::uint8_t {
  English,
  German,
  French,
  Spanish,
  Italian,
  PortugueseBrazil,
  PortuguesePortugal,
  Dutch,
  Japanese,
  ChineseSimplified,
  ChineseTraditional,
  Korean,
  Russian,
  Polish,
};
inline constexpr std::size_t kUiLanguageCount = 14;

// The language for a Windows language id (a LANGID, or an LCID: sort bits are ignored). Matched
// on the primary language, except that the region decides the written form of Chinese (PRC,
// Singapore and the neutral Simplified id: Simplified; Taiwan, Hong Kong, Macao and the neutral
// Traditional id: Traditional) and of Portuguese (Brazil; every other region: Portugal's).
// Anything else, 0 included, is English.
UiLanguage LanguageOfLcid(std::uint32_t lcid);

// The language's culture name, as Windows names its resource folders ("de-DE", "zh-CN").
std::string_view CultureName(UiLanguage language);

// Whether the language's script is one the designed Arial lacks, so that its texts take the
// system's user-interface font at the designed size.
constexpr bool NeedsSystemUiFont(UiLanguage language) {
  return language == UiLanguage::Japanese || language == UiLanguage::ChineseSimplified ||
         language == UiLanguage::ChineseTraditional || language == UiLanguage::Korean;
}

enum class TextId : std::uint16_t {
  // The Classic tab. Menu names are those the classic menu bar had in each language.
  TabClassic,
  GroupToolsPanel,
  MenuAll,
  MenuFile,
  MenuEdit,
  MenuView,
  MenuInsert,
  MenuFormat,
  MenuTools,
  MenuSlideShow,
  MenuWindows,
  MenuHelp,
  SubmenuMaster,
  SubmenuColorGrayscale,
  SubmenuComments,
  SubmenuIllustrations,
  SubmenuAlignment,
  SubmenuMacro,
  SubmenuControls,
  SubmenuTransition,
  ButtonUninstall,
  ButtonUninstallTip,
  ButtonAbout,
  // The About window and the control panel's About tab and buttons.
  About,
  Website,
  Ok,
  Cancel,
  AboutVersion,  // followed by the version number
  // The uninstall message: the instruction, then the Start menu path up to the product's folder.
  UninstallInstruction,
  UninstallStartMenu,
  // The control panel.
  PanelVersion,  // followed by the version number
  PanelLocked,
  ErrorTitle,
  ErrorAtLine,   // between the failing handler and its step number
  ErrorRequest,  // followed by the support address
  // The control panel's boxes, in box order (BoxCaption).
  BoxClassic,
  BoxLeft,
  BoxAll,
  BoxHome,
  BoxInsert,
  BoxDesign,
  BoxAnimations,
  BoxView,
  BoxReview,
  BoxSlideShow,
  BoxDeveloper,
  BoxHideTabs,
  BoxFormat,
  // Not a text: a row of the catalogue without a product text. Text() gives it empty text.
  None,
};
inline constexpr std::size_t kTextCount = static_cast<std::size_t>(TextId::None);
inline constexpr int kBoxCaptionCount = static_cast<int>(TextId::BoxFormat) - static_cast<int>(TextId::BoxClassic) + 1;

struct ProductText {
  // A row names every language, or it does not compile.
  template <std::size_t N>
  constexpr ProductText(TextId textId, const std::string_view (&translations)[N]) : id(textId) {
    static_assert(N == kUiLanguageCount, "this text lacks a language, or has one too many");
    for (std::size_t i = 0; i < N; ++i) text[i] = translations[i];
  }

  TextId id;
  std::array<std::string_view, kUiLanguageCount> text{};  // by UiLanguage
};

// clang-format off
inline constexpr ProductText kProductTexts[] = {
  //            English, German, French, Spanish, Italian, Portuguese (Brazil), Portuguese (Portugal), Dutch,
  //            Japanese, Chinese (Simplified), Chinese (Traditional), Korean, Russian, Polish
  {TextId::TabClassic, {"Classic", "Klassisch", "Classique", "Clásico", "Classico", "Clássico", "Clássico", "Klassiek",
                        "クラシック", "经典", "經典", "클래식", "Классический", "Klasyczny"}},
  {TextId::GroupToolsPanel, {"Tools panel", "Werkzeugbereich", "Panneau d'outils", "Panel de herramientas",
                             "Pannello strumenti", "Painel de ferramentas", "Painel de ferramentas", "Werkset",
                             "ツール パネル", "工具面板", "工具面板", "도구 패널", "Панель инструментов",
                             "Panel narzędzi"}},
  {TextId::MenuAll, {"All", "Alle", "Tout", "Todo", "Tutto", "Tudo", "Tudo", "Alles",
                     "すべて", "全部", "全部", "모두", "Все", "Wszystko"}},
  {TextId::MenuFile, {"File", "Datei", "Fichier", "Archivo", "File", "Arquivo", "Ficheiro", "Bestand",
                      "ファイル", "文件", "檔案", "파일", "Файл", "Plik"}},
  {TextId::MenuEdit, {"Edit", "Bearbeiten", "Edition", "Edición", "Modifica", "Editar", "Editar", "Bewerken",
                      "編集", "编辑", "編輯", "편집", "Правка", "Edycja"}},
  {TextId::MenuView, {" View", "Ansicht", "Affichage", "Ver", "Visualizza", "Exibir", "Ver", "Beeld",
                      "表示", "视图", "檢視", "보기", "Вид", "Widok"}},
  {TextId::MenuInsert, {"Insert", "Einfügen", "Insertion", "Insertar", "Inserisci", "Inserir", "Inserir", "Invoegen",
                        "挿入", "插入", "插入", "삽입", "Вставка", "Wstaw"}},
  {TextId::MenuFormat, {"Format", "Format", "Format", "Formato", "Formato", "Formatar", "Formatar", "Opmaak",
                        "書式", "格式", "格式", "서식", "Формат", "Format"}},
  {TextId::MenuTools, {"Tools", "Extras", "Outils", "Herramientas", "Strumenti", "Ferramentas", "Ferramentas", "Extra",
                       "ツール", "工具", "工具", "도구", "Сервис", "Narzędzia"}},
  {TextId::MenuSlideShow, {"Slide Show", "Bildschirmpräsentation", "Diaporama", "Presentación", "Presentazione",
                           "Apresentações", "Apresentação", "Diavoorstelling",
                           "スライドショー", "幻灯片放映", "投影片放映", "슬라이드 쇼", "Показ слайдов",
                           "Pokaz slajdów"}},
  {TextId::MenuWindows, {"Windows", "Fenster", "Fenêtre", "Ventana", "Finestra", "Janela", "Janela", "Venster",
                         "ウィンドウ", "窗口", "視窗", "창", "Окно", "Okno"}},
  {TextId::MenuHelp, {"Help", "?", "?", "?", "?", "Ajuda", "Ajuda", "Help",
                      "ヘルプ", "帮助", "說明", "도움말", "Справка", "Pomoc"}},
  {TextId::SubmenuMaster, {"Master", "Master", "Masque", "Patrón", "Schema", "Mestre", "Modelo global", "Model",
                           "マスタ", "母版", "母片", "마스터", "Образец", "Wzorzec"}},
  {TextId::SubmenuColorGrayscale, {"Color/Grayscale", "Farbe/Graustufen", "Couleur/Nuances de gris",
                                   "Color o escala de grises", "Colore/Scala di grigi", "Cor/Escala de cinza",
                                   "Cor/Escala de cinzentos", "Kleur/grijswaarden",
                                   "カラー/グレースケール", "颜色/灰度", "色彩/灰階", "컬러/회색조",
                                   "Цвет или оттенки серого", "Kolor/Skala szarości"}},
  {TextId::SubmenuComments, {"Comments", "Kommentare", "Commentaires", "Comentarios", "Commenti", "Comentários",
                             "Comentários", "Opmerkingen",
                             "コメント", "批注", "註解", "메모", "Примечания", "Komentarze"}},
  {TextId::SubmenuIllustrations, {"Illustrations", "Illustrationen", "Illustrations", "Ilustraciones", "Illustrazioni",
                                  "Ilustrações", "Ilustrações", "Illustraties",
                                  "図", "插图", "圖例", "일러스트레이션", "Иллюстрации", "Ilustracje"}},
  {TextId::SubmenuAlignment, {"Alignment", "Ausrichtung", "Alignement", "Alineación", "Allineamento", "Alinhamento",
                              "Alinhamento", "Uitlijning",
                              "配置", "对齐方式", "對齊方式", "맞춤", "Выравнивание", "Wyrównanie"}},
  {TextId::SubmenuMacro, {"Macro", "Makro", "Macro", "Macro", "Macro", "Macro", "Macro", "Macro",
                          "マクロ", "宏", "巨集", "매크로", "Макрос", "Makro"}},
  {TextId::SubmenuControls, {"Controls", "Steuerelemente", "Contrôles", "Controles", "Controlli", "Controles",
                             "Controlos", "Besturingselementen",
                             "コントロール", "控件", "控制項", "컨트롤", "Элементы управления", "Formanty"}},
  {TextId::SubmenuTransition, {"Transition to This Slide…", "Folienübergang…", "Transition…",
                               "Transición de diapositiva…", "Transizione diapositiva…", "Transição de slides…",
                               "Transição de diapositivos…", "Diaovergang…",
                               "画面切り替え…", "幻灯片切换…", "投影片轉場…", "화면 전환…", "Смена слайдов…",
                               "Przejście slajdu…"}},
  {TextId::ButtonUninstall, {"Uninstall Quillmere", "Quillmere deinstallieren", "Désinstaller Quillmere",
                             "Desinstalar Quillmere", "Disinstalla Quillmere", "Desinstalar o Quillmere",
                             "Desinstalar o Quillmere", "Quillmere verwijderen",
                             "Quillmere のアンインストール", "卸载 Quillmere", "解除安裝 Quillmere", "Quillmere 제거",
                             "Удалить Quillmere", "Odinstaluj Quillmere"}},
  {TextId::ButtonUninstallTip, {
      "You can uninstall using this option.",
      "Über diesen Befehl können Sie Quillmere deinstallieren.",
      "Cette commande permet de désinstaller Quillmere.",
      "Con esta opción puede desinstalar Quillmere.",
      "Con questa opzione è possibile disinstallare Quillmere.",
      "Use esta opção para desinstalar o Quillmere.",
      "Utilize esta opção para desinstalar o Quillmere.",
      "Met deze optie kunt u Quillmere verwijderen.",
      "このコマンドで Quillmere をアンインストールできます。",
      "使用此选项可以卸载 Quillmere。",
      "使用此選項可以解除安裝 Quillmere。",
      "이 옵션을 사용하여 Quillmere를 제거할 수 있습니다.",
      "С помощью этой команды можно удалить Quillmere.",
      "Za pomocą tej opcji można odinstalować program Quillmere."}},
  {TextId::ButtonAbout, {"About Quillmere", "Info über Quillmere", "À propos de Quillmere", "Acerca de Quillmere",
                         "Informazioni su Quillmere", "Sobre o Quillmere", "Acerca do Quillmere", "Info over Quillmere",
                         "Quillmere のバージョン情報", "关于 Quillmere", "關於 Quillmere", "Quillmere 정보",
                         "О программе Quillmere", "Quillmere — informacje"}},
  {TextId::About, {"About", "Info", "À propos", "Acerca de", "Informazioni", "Sobre", "Acerca de", "Info",
                   "バージョン情報", "关于", "關於", "정보", "О программе", "Informacje"}},
  {TextId::Website, {"Website: ", "Website: ", "Site web : ", "Sitio web: ", "Sito Web: ", "Site: ", "Site: ",
                     "Website: ", "Web サイト: ", "网站: ", "網站: ", "웹 사이트: ", "Веб-сайт: ", "Witryna: "}},
  {TextId::Ok, {"OK", "OK", "OK", "Aceptar", "OK", "OK", "OK", "OK",
                "OK", "确定", "確定", "확인", "ОК", "OK"}},
  {TextId::Cancel, {"Cancel", "Abbrechen", "Annuler", "Cancelar", "Annulla", "Cancelar", "Cancelar", "Annuleren",
                    "キャンセル", "取消", "取消", "취소", "Отмена", "Anuluj"}},
  {TextId::AboutVersion, {"Version ", "Version ", "Version ", "Versión ", "Versione ", "Versão ", "Versão ", "Versie ",
                          "バージョン ", "版本 ", "版本 ", "버전 ", "Версия ", "Wersja "}},
  {TextId::UninstallInstruction, {
      "To uninstall, close PowerPoint and then go to",
      "Schließen Sie zum Deinstallieren PowerPoint, und wählen Sie dann",
      "Pour désinstaller, fermez PowerPoint, puis choisissez",
      "Para desinstalar, cierre PowerPoint y vaya a",
      "Per disinstallare, chiudere PowerPoint e scegliere",
      "Para desinstalar, feche o PowerPoint e vá para",
      "Para desinstalar, feche o PowerPoint e aceda a",
      "Als u wilt verwijderen, sluit u PowerPoint en kiest u",
      "アンインストールするには、PowerPoint を閉じてから、次の項目を選んでください",
      "若要卸载，请关闭 PowerPoint，然后转到",
      "若要解除安裝，請關閉 PowerPoint，然後移至",
      "제거하려면 PowerPoint를 닫은 다음 아래 항목으로 이동하십시오.",
      "Чтобы удалить программу, закройте PowerPoint и выберите",
      "Aby odinstalować, zamknij program PowerPoint i przejdź do"}},
  // The Start menu's own names; the product's folder and shortcut follow, under the names the
  // installer gives them.
  {TextId::UninstallStartMenu, {"Start > Program Files", "Start > Alle Programme", "Démarrer > Tous les programmes",
                                "Inicio > Todos los programas", "Start > Tutti i programmi",
                                "Iniciar > Todos os Programas", "Iniciar > Todos os Programas",
                                "Start > Alle programma's", "スタート > すべてのプログラム", "开始 > 所有程序",
                                "開始 > 所有程式", "시작 > 모든 프로그램", "Пуск > Все программы",
                                "Start > Wszystkie programy"}},
  {TextId::PanelVersion, {"Version:   ", "Version:   ", "Version :   ", "Versión:   ", "Versione:   ", "Versão:   ",
                          "Versão:   ", "Versie:   ", "バージョン:   ", "版本:   ", "版本:   ", "버전:   ",
                          "Версия:   ", "Wersja:   "}},
  {TextId::PanelLocked, {"Set by your administrator", "Von Ihrem Administrator festgelegt",
                         "Défini par votre administrateur", "Establecido por el administrador",
                         "Impostato dall'amministratore", "Definido pelo administrador", "Definido pelo administrador",
                         "Ingesteld door uw beheerder", "管理者によって設定されています", "由管理员设置",
                         "由系統管理員設定", "관리자가 설정함", "Задано администратором",
                         "Ustawione przez administratora"}},
  {TextId::ErrorTitle, {"Application Error", "Anwendungsfehler", "Erreur d'application", "Error de la aplicación",
                        "Errore dell'applicazione", "Erro do aplicativo", "Erro da aplicação", "Toepassingsfout",
                        "アプリケーション エラー", "应用程序错误", "應用程式錯誤", "응용 프로그램 오류",
                        "Ошибка приложения", "Błąd aplikacji"}},
  {TextId::ErrorAtLine, {" at line ", " in Zeile ", " à la ligne ", " en la línea ", " alla riga ", " na linha ",
                         " na linha ", " op regel ", " 行 ", " 行 ", " 行 ", " 줄 ", " в строке ", " w wierszu "}},
  {TextId::ErrorRequest, {
      "Please email screenshot of this message to ",
      "Bitte senden Sie einen Screenshot dieser Meldung per E-Mail an ",
      "Veuillez envoyer une capture d'écran de ce message par courrier électronique à ",
      "Envíe una captura de pantalla de este mensaje por correo electrónico a ",
      "Inviare una schermata di questo messaggio tramite posta elettronica a ",
      "Envie uma captura de tela desta mensagem por email para ",
      "Envie uma captura de ecrã desta mensagem por correio eletrónico para ",
      "Stuur een schermafbeelding van dit bericht per e-mail naar ",
      "このメッセージのスクリーンショットを電子メールでお送りください: ",
      "请将此消息的屏幕截图通过电子邮件发送至 ",
      "請將此訊息的螢幕擷取畫面以電子郵件寄至 ",
      "이 메시지의 스크린샷을 전자 메일로 보내 주십시오: ",
      "Отправьте снимок экрана с этим сообщением по адресу ",
      "Wyślij zrzut ekranu tego komunikatu pocztą e-mail na adres "}},
  {TextId::BoxClassic, {
      "Show Classic Menu and Toolbars in MS PowerPoint 2007",
      "Klassische Menüs und Symbolleisten in MS PowerPoint 2007 anzeigen",
      "Afficher les menus et barres d'outils classiques dans MS PowerPoint 2007",
      "Mostrar los menús y barras de herramientas clásicos en MS PowerPoint 2007",
      "Mostra i menu e le barre degli strumenti classici in MS PowerPoint 2007",
      "Mostrar os menus e barras de ferramentas clássicos no MS PowerPoint 2007",
      "Mostrar os menus e barras de ferramentas clássicos no MS PowerPoint 2007",
      "Klassieke menu's en werkbalken weergeven in MS PowerPoint 2007",
      "MS PowerPoint 2007 にクラシック メニューとツール バーを表示する",
      "在 MS PowerPoint 2007 中显示经典菜单和工具栏",
      "在 MS PowerPoint 2007 中顯示經典功能表和工具列",
      "MS PowerPoint 2007에 클래식 메뉴 및 도구 모음 표시",
      "Показывать классические меню и панели инструментов в MS PowerPoint 2007",
      "Pokaż klasyczne menu i paski narzędzi w programie MS PowerPoint 2007"}},
  {TextId::BoxLeft, {
      "Show menu tabs on the left of home tab",
      "Registerkarte mit den Menüs links von „Start“ anzeigen",
      "Afficher l'onglet des menus à gauche de l'onglet Accueil",
      "Mostrar la ficha de menús a la izquierda de la ficha Inicio",
      "Mostra la scheda dei menu a sinistra della scheda Home",
      "Mostrar a guia de menus à esquerda da guia Início",
      "Mostrar o separador de menus à esquerda do separador Base",
      "Tabblad met menu's links van het tabblad Start weergeven",
      "メニューのタブを [ホーム] タブの左に表示する",
      "在“开始”选项卡左侧显示菜单选项卡",
      "在 [常用] 索引標籤左側顯示功能表索引標籤",
      "메뉴 탭을 [홈] 탭 왼쪽에 표시",
      "Показывать вкладку меню слева от вкладки «Главная»",
      "Pokaż kartę menu po lewej stronie karty Narzędzia główne"}},
  {TextId::BoxAll, {
      "Show all items in main menu",
      "Alle Elemente im Hauptmenü anzeigen",
      "Afficher tous les éléments dans le menu principal",
      "Mostrar todos los elementos en el menú principal",
      "Mostra tutti gli elementi nel menu principale",
      "Mostrar todos os itens no menu principal",
      "Mostrar todos os itens no menu principal",
      "Alle items in het hoofdmenu weergeven",
      "メイン メニューにすべての項目を表示する",
      "在主菜单中显示所有项目",
      "在主功能表中顯示所有項目",
      "주 메뉴에 모든 항목 표시",
      "Показывать все элементы в главном меню",
      "Pokaż wszystkie elementy w menu głównym"}},
  // The tab boxes carry the names of PowerPoint's own tabs in that language.
  {TextId::BoxHome, {"Home", "Start", "Accueil", "Inicio", "Home", "Início", "Base", "Start",
                     "ホーム", "开始", "常用", "홈", "Главная", "Narzędzia główne"}},
  {TextId::BoxInsert, {"Insert", "Einfügen", "Insertion", "Insertar", "Inserisci", "Inserir", "Inserir", "Invoegen",
                       "挿入", "插入", "插入", "삽입", "Вставка", "Wstawianie"}},
  {TextId::BoxDesign, {"Design", "Entwurf", "Création", "Diseño", "Progettazione", "Design", "Estrutura", "Ontwerpen",
                       "デザイン", "设计", "設計", "디자인", "Дизайн", "Projektowanie"}},
  {TextId::BoxAnimations, {"Animations", "Animationen", "Animations", "Animaciones", "Animazioni", "Animações",
                           "Animações", "Animaties", "アニメーション", "动画", "動畫", "애니메이션", "Анимация",
                           "Animacje"}},
  {TextId::BoxView, {" View", "Ansicht", "Affichage", "Vista", "Visualizza", "Exibição", "Ver", "Beeld",
                     "表示", "视图", "檢視", "보기", "Вид", "Widok"}},
  {TextId::BoxReview, {"Review", "Überprüfen", "Révision", "Revisar", "Revisione", "Revisão", "Rever", "Controleren",
                       "校閲", "审阅", "校閱", "검토", "Рецензирование", "Recenzja"}},
  {TextId::BoxSlideShow, {"Slide Show", "Bildschirmpräsentation", "Diaporama", "Presentación con diapositivas",
                          "Presentazione", "Apresentação de Slides", "Apresentação de Diapositivos",
                          "Diavoorstelling", "スライド ショー", "幻灯片放映", "投影片放映", "슬라이드 쇼",
                          "Показ слайдов", "Pokaz slajdów"}},
  {TextId::BoxDeveloper, {"Developer", "Entwicklertools", "Développeur", "Programador", "Sviluppo", "Desenvolvedor",
                          "Programador", "Ontwikkelaars", "開発", "开发工具", "開發人員", "개발 도구", "Разработчик",
                          "Deweloper"}},
  {TextId::BoxHideTabs, {"Hide built-in tabs", "Integrierte Registerkarten ausblenden", "Masquer les onglets intégrés",
                         "Ocultar las fichas integradas", "Nascondi le schede predefinite", "Ocultar as guias internas",
                         "Ocultar os separadores incorporados", "Ingebouwde tabbladen verbergen",
                         "組み込みタブを非表示にする", "隐藏内置选项卡", "隱藏內建索引標籤", "기본 제공 탭 숨기기",
                         "Скрыть встроенные вкладки", "Ukryj wbudowane karty"}},
  // The box hides the Slide Master tab, whose name it carries in the translations.
  {TextId::BoxFormat, {"Format", "Folienmaster", "Masque des diapositives", "Patrón de diapositivas",
                       "Schema diapositiva", "Slide Mestre", "Modelo Global de Diapositivos", "Diamodel",
                       "スライド マスター", "幻灯片母版", "投影片母片", "슬라이드 마스터", "Образец слайдов",
                       "Wzorzec slajdów"}},
};
// clang-format on

// One row per text, in TextId order, every language filled in: Text() indexes the table.
inline constexpr std::size_t FirstIncompleteText() {
  std::size_t row = 0;
  for (const ProductText& text : kProductTexts) {
    if (text.id != static_cast<TextId>(row)) return row;
    for (std::string_view translation : text.text) {
      if (translation.empty()) return row;
    }
    ++row;
  }
  return row;
}
static_assert(std::size(kProductTexts) == kTextCount, "every text needs a row of the table");
static_assert(FirstIncompleteText() == kTextCount,
              "a text lacks a translation, or the rows are out of TextId order (row FirstIncompleteText())");

// The text in that language, UTF-8; empty for TextId::None.
constexpr std::string_view Text(TextId id, UiLanguage language) {
  const auto row = static_cast<std::size_t>(id);
  if (row >= kTextCount) return {};
  return kProductTexts[row].text[static_cast<std::size_t>(language)];
}

// The caption of the control panel's box with this index (0 to 12), or empty text.
constexpr std::string_view BoxCaption(int box, UiLanguage language) {
  if (box < 0 || box >= kBoxCaptionCount) return {};
  return Text(static_cast<TextId>(static_cast<int>(TextId::BoxClassic) + box), language);
}

}  // namespace quillmere
