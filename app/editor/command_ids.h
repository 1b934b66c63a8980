#pragma once
// Command identifiers shared by menus, bars and keys. The numbers are the ones documents, help
// pages and users know the commands by; the filter commands and a few desktop commands (Save As,
// Close, Exit, recent files, Window menu) got numbers of their own in free ranges.
namespace lw::cmd {

// Application and files.
inline constexpr int New = 57600;
inline constexpr int OpenLwd = 57601; // Ctrl+O: the plain .lwd open dialog
inline constexpr int Close = 57602;
inline constexpr int Save = 57603;
inline constexpr int SaveAs = 57604;
inline constexpr int PrintSetup = 57606;
inline constexpr int Print = 57607;
inline constexpr int PrintDirect = 57608;
inline constexpr int PrintPreview = 57609;
inline constexpr int Recent1 = 57616; // … Recent1 + 3
inline constexpr int About = 57664;
inline constexpr int Exit = 57665;
inline constexpr int OpenDocument = 32869; // the editor's own open dialog (six filters)
inline constexpr int AnimationWizard = 32912;
inline constexpr int QuickAnimation = 32867;
inline constexpr int HelpIndex = 32885;
inline constexpr int Tutorial = 32898;
inline constexpr int Keyboard = 32945;
inline constexpr int InstalledComponents = 32934;
inline constexpr int ComponentsWeb = 32935;
inline constexpr int QuarvexWeb = 32888;

// Window menu.
inline constexpr int Cascade = 57650;
inline constexpr int Tile = 57651;
inline constexpr int NextWindow = 57680;
inline constexpr int PreviousWindow = 57681;

// Bars.
inline constexpr int BarFrameList = 32900;
inline constexpr int BarColours = 32901;
inline constexpr int BarBackground = 32902;
inline constexpr int BarToolBox = 32903;
inline constexpr int BarPalette = 32994;
inline constexpr int BarBrushes = 32995;
inline constexpr int BarMainToolBar = 59392;
inline constexpr int BarStatus = 59393;

// Tools.
inline constexpr int ToolSelect = 32774;
inline constexpr int ToolZoom = 32773;
inline constexpr int ToolNewBitmap = 32809;
inline constexpr int ToolGradient = 32973;
inline constexpr int ToolCrop = 32799;
inline constexpr int ToolRectangle = 32775;
inline constexpr int ToolEllipse = 32777;
inline constexpr int ToolLine = 32930;
inline constexpr int ToolPencil = 32778;
inline constexpr int ToolText = 32780;
inline constexpr int ToolPicker = 32779;
inline constexpr int ToolEraser = 32782;
inline constexpr int ToolBucket = 32781;

// Brushes, in the order of the brush index 0 … 5.
inline constexpr int Brushes[6] = {32975, 32976, 32977, 32979, 32981, 32980};

// Colours and zoom.
inline constexpr int ForegroundColour = 32810;
inline constexpr int BackgroundColour = 32811;
inline constexpr int SwapColours = 32928;
inline constexpr int ZoomIn = 32792;
inline constexpr int ZoomOut = 32793;
inline constexpr int ZoomOne = 32859;

// Frames.
inline constexpr int FirstFrame = 32812;
inline constexpr int PreviousFrame = 32813;
inline constexpr int NextFrame = 32814;
inline constexpr int LastFrame = 32815;
inline constexpr int InsertFrameAfter = 32853;
inline constexpr int InsertFrameBefore = 32852;
inline constexpr int AppendFrame = 32817;
inline constexpr int DeleteFrame = 32820;
inline constexpr int MasterFrame = 32824;
inline constexpr int FrameDelay = 32844;
inline constexpr int FrameBackgroundColour = 32864;
inline constexpr int AutoSizeFrame = 32861;
inline constexpr int LoopCount = 32891;
inline constexpr int ResizeAnimation = 32987;
inline constexpr int CanvasSize = 32988;
inline constexpr int FrameIntro = 32933;
inline constexpr int FrameAnimation = 32989;
inline constexpr int FrameOutro = 32931;
inline constexpr int FrameBorder = 32948;
inline constexpr int Find = 32849; // Ctrl+F: bound, no handler acts on it

// Layers.
inline constexpr int DeleteLayers = 32791;
inline constexpr int SelectAll = 32790;
inline constexpr int BringToFront = 32804;
inline constexpr int SendToBack = 32807;
inline constexpr int ConvertToBitmap = 32802;
inline constexpr int Combine = 32803;
inline constexpr int CentreOnPage = 32968;
inline constexpr int StretchToPage = 32984;
inline constexpr int Align = 32896;
inline constexpr int MoveTo = 32897;
inline constexpr int Duplicate = 32965;
inline constexpr int CloneIntoFrames = 32986;
inline constexpr int AddLayer = 32985;
inline constexpr int Turn180 = 32914;
inline constexpr int Turn90Clockwise = 32915;
inline constexpr int Turn90CounterClockwise = 32916;
inline constexpr int RotateOther = 32950;
inline constexpr int MirrorHorizontal = 32917;
inline constexpr int MirrorVertical = 32918;
inline constexpr int ImageSize = 32800;
inline constexpr int StretchShrink = 32801;
inline constexpr int EditText = 32837;
inline constexpr int ChooseFont = 32841;
inline constexpr int ShapeStyle = 32860;
inline constexpr int InsertSymbol = 32949;
inline constexpr int LayerIntro = 32921;
inline constexpr int LayerAnimation = 32946;
inline constexpr int LayerOutro = 32922;

// Clipboard and undo.
inline constexpr int Undo = 57643;
inline constexpr int Cut = 57635;
inline constexpr int Copy = 57634;
inline constexpr int Paste = 57637;

// Files and preview.
inline constexpr int ImportPicture = 32783;
inline constexpr int SaveGif = 32784;
inline constexpr int SaveGifAs = 32835;
inline constexpr int ExportFrame = 32889;
inline constexpr int Preview = 32821;
inline constexpr int PreviewFromHere = 32944;
inline constexpr int PreviewFrame = 32927;
inline constexpr int OptimisationWizard = 32913;
inline constexpr int AviExport = 32947;
inline constexpr int HtmlSettings = 32937;
inline constexpr int HtmlPage = 32940;

// Layer filters (numbers of our own, in filter order).
inline constexpr int FilterBrightnessContrast = 33100;
inline constexpr int FilterSaturation = 33101;
inline constexpr int FilterInvertColours = 33102;
inline constexpr int FilterGreyscale = 33103;
inline constexpr int FilterTwoColour = 33104;
inline constexpr int FilterColorize = 33105;
inline constexpr int FilterReduceColours = 33106;
inline constexpr int FilterThreshold = 33107;
inline constexpr int FilterInvertAlpha = 33108;
inline constexpr int FilterApplyTransparency = 33109;
inline constexpr int FilterWhiteToTransparent = 33110;
inline constexpr int FilterExtractAlpha = 33111;
inline constexpr int FilterInsertAlpha = 33112;
inline constexpr int FilterTakeColours = 33113;
inline constexpr int FilterVerticalGradient = 33120;
inline constexpr int FilterHorizontalGradient = 33121;
inline constexpr int FilterDiagonalGradient = 33122;
inline constexpr int FilterBevelledRectangle = 33123;
inline constexpr int FilterBevelledShape = 33124;
inline constexpr int FilterDropShadow = 33125;
inline constexpr int FilterGlow = 33126;
inline constexpr int FilterEdgeBlur = 33127;
inline constexpr int FilterGaussianBlur = 33128;

} // namespace lw::cmd
