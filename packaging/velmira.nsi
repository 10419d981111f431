# The Windows installer of Velmira, built by packaging/make-packages.sh with makensis:
#   makensis -DVERSION=0.1.0 -DWIDTH=64 -DSTAGE=<folder of the files> -DLISTS=<folder of files.nsh>
#            -DICON=<velmira.ico> -DOUTFILE=<setup.exe> velmira.nsi
# It installs for the current user alone (no administrator rights) into the user's own programs folder, in
# Japanese or English after the user's language, with a Start menu shortcut and an entry in the installed
# programs. Its options page (a silent install takes the same choices from its switches):
#   Velmira in "Open with" of .mid, .midi and .kar files     on by default,  /OPENWITH=0 or 1
#   Velmira the default program of those files               off by default, /DEFAULTPLAYER=0 or 1
#   a shortcut on the desktop                                off by default, /DESKTOP=0 or 1
# Installing over an earlier install starts from that install's choices, and takes back what it no longer
# chooses. A running Velmira is asked to close first; a silent install waits for it a while, then ends with
# exit code 3 and leaves everything as it was.
# The uninstaller removes what the installs made (a registry key it found in place stays, even when empty),
# gives the file types back the default program they had, and asks whether to keep the settings under
# HKCU\Software\Velmira; run silently (/S) it keeps them unless given /REMOVESETTINGS.
Unicode true
!if ${WIDTH} == 64
  Target amd64-unicode
!endif
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true
# The sources name no copyright holder, so the version resource has no LegalCopyright.
!pragma warning disable 9100

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include nsDialogs.nsh

!define UNINSTALL_PARENT_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall"
!define UNINSTALL_KEY "${UNINSTALL_PARENT_KEY}\Velmira"
!define APPLICATIONS_KEY "Software\Classes\Applications"
!define APPLICATION_KEY "${APPLICATIONS_KEY}\velmira.exe"
!define PROGID "Velmira.MidiFile"
!define PROGID_KEY "Software\Classes\${PROGID}"
!define SETTINGS_KEY "Software\Velmira"
!define MAIN_WINDOW_CLASS "VelmiraMainWindow"
!define SILENT_WAIT_SECONDS 10
!define EXIT_STILL_RUNNING 3

Name "Velmira ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Velmira"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "$(Branding)"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
!macro VersionStrings language description
  VIAddVersionKey /LANG=${language} "ProductName" "Velmira"
  VIAddVersionKey /LANG=${language} "ProductVersion" "${VERSION}"
  VIAddVersionKey /LANG=${language} "FileVersion" "${VERSION}"
  VIAddVersionKey /LANG=${language} "FileDescription" "${description}"
!macroend

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_CUSTOMFUNCTION_GUIINIT WidenButtons
!define MUI_CUSTOMFUNCTION_UNGUIINIT un.WidenButtons
!define MUI_WELCOMEPAGE_TITLE "$(WelcomeTitle)"
!define MUI_WELCOMEPAGE_TITLE_3LINES
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
Page custom OptionsPage OptionsPageLeave
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_TITLE_3LINES
!define MUI_FINISHPAGE_RUN "$INSTDIR\velmira.exe"
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\velmira.chm"
!define MUI_FINISHPAGE_SHOWREADME_TEXT "$(ShowHelp)"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!define MUI_FINISHPAGE_LINK "$(ReadmeLink)"
!define MUI_FINISHPAGE_LINK_LOCATION "$INSTDIR\$(ReadmeFile)"
!insertmacro MUI_PAGE_FINISH
!define MUI_UNCONFIRMPAGE_TEXT_LOCATION "$(UninstallFolder)"
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
# The first language is the one of a system that speaks neither.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Japanese"
!insertmacro VersionStrings ${LANG_ENGLISH} "Velmira ${VERSION} Setup"
!insertmacro VersionStrings ${LANG_JAPANESE} "Velmira ${VERSION} セットアップ"

LangString Branding ${LANG_ENGLISH} "Velmira ${VERSION} (${WIDTH}-bit)"
LangString Branding ${LANG_JAPANESE} "Velmira ${VERSION}（${WIDTH} ビット版）"
LangString WelcomeTitle ${LANG_ENGLISH} "Welcome to the Velmira ${VERSION} Setup"
# Wine and Windows break a Japanese line anywhere: the title is broken where it reads well.
LangString WelcomeTitle ${LANG_JAPANESE} "Velmira ${VERSION}$\r$\nセットアップへようこそ"
LangString OptionsTitle ${LANG_ENGLISH} "Options"
LangString OptionsTitle ${LANG_JAPANESE} "オプション"
LangString OptionsSubtitle ${LANG_ENGLISH} "Choose how Velmira joins your MIDI files and your desktop."
LangString OptionsSubtitle ${LANG_JAPANESE} "MIDI ファイルとデスクトップへの組み込み方を選んでください。"
LangString OpenWithOption ${LANG_ENGLISH} "Add Velmira to $\"Open with$\" of .mid, .midi and .kar files"
LangString OpenWithOption ${LANG_JAPANESE} ".mid、.midi、.kar ファイルの「プログラムから開く」に Velmira を加える"
LangString DefaultPlayerOption ${LANG_ENGLISH} "Make Velmira the default player for these files"
LangString DefaultPlayerOption ${LANG_JAPANESE} "これらのファイルを開く既定のプログラムを Velmira にする"
LangString DefaultPlayerNote ${LANG_ENGLISH} "Windows 8 and later keep a program you picked yourself for these files. \
  To change it, choose $\"Open with$\" > $\"Choose another app$\" on a MIDI file, then Velmira and $\"Always$\"."
LangString DefaultPlayerNote ${LANG_JAPANESE} "Windows 8 以降では、ご自分で選んだプログラムがそのまま使われます。\
  変えるには MIDI ファイルの「プログラムから開く」→「別のプログラムを選択」で Velmira を選び、「常に使う」を押してください。"
LangString DesktopOption ${LANG_ENGLISH} "Put a shortcut to Velmira on the desktop"
LangString DesktopOption ${LANG_JAPANESE} "デスクトップに Velmira のショートカットを置く"
LangString StillRunning ${LANG_ENGLISH} "Velmira is running. Close it, then choose Retry.$\r$\n$\r$\n\
  Cancel leaves Velmira as it is."
LangString StillRunning ${LANG_JAPANESE} "Velmira が起動しています。Velmira を終了してから「再試行」を選んでください。$\r$\n$\r$\n\
  「キャンセル」では何も変えずに終わります。"
LangString BadSwitch ${LANG_ENGLISH} "The switches /OPENWITH=, /DEFAULTPLAYER= and /DESKTOP= take 0 or 1."
LangString BadSwitch ${LANG_JAPANESE} "スイッチ /OPENWITH=、/DEFAULTPLAYER=、/DESKTOP= には 0 か 1 を指定してください。"
LangString UninstallFolder ${LANG_ENGLISH} "Uninstalling from:"
LangString UninstallFolder ${LANG_JAPANESE} "フォルダー:"
LangString ShowHelp ${LANG_ENGLISH} "Show the help"
LangString ShowHelp ${LANG_JAPANESE} "ヘルプを表示する"
LangString ReadmeLink ${LANG_ENGLISH} "Read-me (README-en.txt)"
LangString ReadmeLink ${LANG_JAPANESE} "お読みください（README-ja.txt）"
LangString ReadmeFile ${LANG_ENGLISH} "README-en.txt"
LangString ReadmeFile ${LANG_JAPANESE} "README-ja.txt"
LangString KeepSettings ${LANG_ENGLISH} "Keep Velmira's settings (song history, folders, sound module and so on)?$\r$\n$\r$\n\
  Yes keeps them for the next time Velmira is installed. No removes them too."
LangString KeepSettings ${LANG_JAPANESE} "Velmira の設定（曲の履歴、フォルダー、音源など）を残しますか？$\r$\n$\r$\n\
  「はい」で残し、次にインストールしたときにそのまま使えます。「いいえ」で設定も削除します。"
LangString MidiTypeName ${LANG_ENGLISH} "MIDI file"
LangString MidiTypeName ${LANG_JAPANESE} "MIDI ファイル"
LangString ShortcutDescription ${LANG_ENGLISH} "A MIDI-file player that changes the music while it plays"
LangString ShortcutDescription ${LANG_JAPANESE} "演奏しながら音楽を変える MIDI ファイルプレーヤー"

Var openWith
Var defaultPlayer
Var desktopShortcut
Var openWithBox
Var defaultPlayerBox
Var desktopBox
Var removeSettings

!macro ForEachExtension macro
  !insertmacro ${macro} ".mid"
  !insertmacro ${macro} ".midi"
  !insertmacro ${macro} ".kar"
!macroend

# Tells Explorer the file associations changed, so "Open with" and the files' icons show the change at once.
!macro RefreshAssociations
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
!macroend

# $0 := 1 when HKCU\key exists, else 0 (enumerating a key that is not there is an error, an empty one not).
!macro KeyExists key
  ClearErrors
  EnumRegKey $0 HKCU "${key}" 0
  ${If} ${Errors}
    StrCpy $0 0
  ${Else}
    StrCpy $0 1
  ${EndIf}
!macroend

# Notes in the uninstall entry that the install makes a key which was not there, so that the uninstaller
# removes it again (when empty) and only then. A note of an earlier install is kept.
!macro NoteKeyToMake key
  !insertmacro KeyExists "${key}"
  ${If} $0 = 0
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "Made ${key}" 1
  ${EndIf}
!macroend
!macro RemoveKeyIfMadeAndEmpty key
  ReadRegDWORD $0 HKCU "${UNINSTALL_KEY}" "Made ${key}"
  ${If} $0 = 1
    DeleteRegKey /ifempty HKCU "${key}"
    !insertmacro KeyExists "${key}"
    ${If} $0 = 0
      DeleteRegValue HKCU "${UNINSTALL_KEY}" "Made ${key}"
    ${EndIf}
  ${EndIf}
!macroend

!macro AddOpenWith extension
  !insertmacro NoteKeyToMake "Software\Classes\${extension}"
  !insertmacro NoteKeyToMake "Software\Classes\${extension}\OpenWithProgids"
  WriteRegStr HKCU "Software\Classes\${extension}\OpenWithProgids" "${PROGID}" ""
  WriteRegStr HKCU "${APPLICATION_KEY}\SupportedTypes" "${extension}" ""
!macroend
!macro RemoveOpenWith extension
  DeleteRegValue HKCU "Software\Classes\${extension}\OpenWithProgids" "${PROGID}"
  !insertmacro RemoveKeyIfMadeAndEmpty "Software\Classes\${extension}\OpenWithProgids"
  !insertmacro RemoveKeyIfMadeAndEmpty "Software\Classes\${extension}"
!macroend

# The default program of a file type, as far as a program of one user may set it: the type's default
# ProgID under HKCU\Software\Classes. What was there before is kept in the uninstall entry ("Previous"
# absent: the type had none of its own), unless it already names Velmira, from an earlier install.
!macro MakeDefault extension
  !insertmacro NoteKeyToMake "Software\Classes\${extension}"
  ClearErrors
  ReadRegStr $0 HKCU "Software\Classes\${extension}" ""
  ${If} ${Errors}
    DeleteRegValue HKCU "${UNINSTALL_KEY}" "Previous ${extension}"
  ${ElseIf} $0 != "${PROGID}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Previous ${extension}" $0
  ${EndIf}
  WriteRegStr HKCU "Software\Classes\${extension}" "" "${PROGID}"
!macroend
# Gives the type back its earlier default, unless the user has chosen another program since.
!macro RemoveDefault extension
  ReadRegStr $0 HKCU "Software\Classes\${extension}" ""
  ${If} $0 == "${PROGID}"
    ClearErrors
    ReadRegStr $1 HKCU "${UNINSTALL_KEY}" "Previous ${extension}"
    ${If} ${Errors}
      DeleteRegValue HKCU "Software\Classes\${extension}" ""
    ${Else}
      WriteRegStr HKCU "Software\Classes\${extension}" "" $1
    ${EndIf}
  ${EndIf}
  DeleteRegValue HKCU "${UNINSTALL_KEY}" "Previous ${extension}"
  !insertmacro RemoveKeyIfMadeAndEmpty "Software\Classes\${extension}"
!macroend

# Grows the button id to the left by a third of its width, after moving it left by $8 (the growth of the
# buttons to its right so far, which it adds its own to). $9: room for a RECT.
!macro WidenButton id
  GetDlgItem $0 $HWNDPARENT ${id}
  System::Call 'user32::GetWindowRect(p r0, p r9)'
  System::Call 'user32::MapWindowPoints(p 0, p $HWNDPARENT, p r9, i 2)'
  System::Call '*$9(i .r1, i .r2, i .r3, i .r4)'
  IntOp $5 $3 - $1
  IntOp $6 $5 / 3
  IntOp $3 $3 - $8
  IntOp $5 $5 + $6
  IntOp $1 $3 - $5
  IntOp $4 $4 - $2
  IntOp $8 $8 + $6
  System::Call 'user32::SetWindowPos(p r0, p 0, i r1, i r2, i r5, i r4, i 0x14)'
!macroend

# What the installer (taking back an option over an earlier install) and the uninstaller both do.
!macro SharedFunctions un
  Function ${un}RemoveOpenWith
    !insertmacro ForEachExtension RemoveOpenWith
    DeleteRegKey HKCU "${APPLICATION_KEY}"
    !insertmacro RemoveKeyIfMadeAndEmpty "${APPLICATIONS_KEY}"
  FunctionEnd

  Function ${un}RemoveDefaultPlayer
    !insertmacro ForEachExtension RemoveDefault
  FunctionEnd

  # Overwriting or deleting the program's files while it runs fails part-way on Windows, so a running
  # Velmira is found first: by its main window, or by its program file being locked against writing.
  # Interactively the user closes it or cancels; a silent run waits a while and then ends with its own
  # exit code. Either way nothing has been changed yet.
  Function ${un}WaitUntilVelmiraIsClosed
    StrCpy $2 0
    ${Do}
      FindWindow $0 "${MAIN_WINDOW_CLASS}"
      ${If} $0 = 0
      ${AndIf} ${FileExists} "$INSTDIR\velmira.exe"
        ClearErrors
        FileOpen $1 "$INSTDIR\velmira.exe" a
        ${If} ${Errors}
          StrCpy $0 1
        ${Else}
          FileClose $1
        ${EndIf}
      ${EndIf}
      ${If} $0 = 0
        Return
      ${ElseIf} ${Silent}
        ${If} $2 >= ${SILENT_WAIT_SECONDS}
          SetErrorLevel ${EXIT_STILL_RUNNING}
          Quit
        ${EndIf}
        Sleep 1000
        IntOp $2 $2 + 1
      ${Else}
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(StillRunning)" IDRETRY +2
        Abort
      ${EndIf}
    ${Loop}
  FunctionEnd

  # Japanese button texts such as 「インストール(&I)」 are wider than the standard buttons: in Japanese the
  # three buttons grow to the left by a third of their width, into the room beside them.
  Function ${un}WidenButtons
    ${If} $LANGUAGE = ${LANG_JAPANESE}
      System::Call '*(i, i, i, i) p .r9'
      StrCpy $8 0
      !insertmacro WidenButton 2  ; Cancel, then Next and Back to its left
      !insertmacro WidenButton 1
      !insertmacro WidenButton 3
      System::Free $9
    ${EndIf}
  FunctionEnd
!macroend
!insertmacro SharedFunctions ""
!insertmacro SharedFunctions "un."

# A switch /NAME=0 or /NAME=1 of the command line into var, which keeps its value when the switch is absent.
!macro ReadSwitch var name
  ClearErrors
  ${GetOptions} $R0 "/${name}=" $0
  ${IfNot} ${Errors}
    ${If} $0 == 0
    ${OrIf} $0 == 1
      StrCpy ${var} $0
    ${Else}
      MessageBox MB_OK|MB_ICONSTOP "$(BadSwitch)" /SD IDOK
      SetErrorLevel 2
      Quit
    ${EndIf}
  ${EndIf}
!macroend
# var := the earlier install's choice name, or default when there was none.
!macro ReadEarlierChoice var name default
  ClearErrors
  ReadRegDWORD ${var} HKCU "${UNINSTALL_KEY}" "${name}"
  ${If} ${Errors}
    StrCpy ${var} ${default}
  ${EndIf}
!macroend

Function .onInit
  !insertmacro ReadEarlierChoice $openWith "OpenWith" 1
  !insertmacro ReadEarlierChoice $defaultPlayer "DefaultPlayer" 0
  !insertmacro ReadEarlierChoice $desktopShortcut "DesktopShortcut" 0
  ${GetParameters} $R0
  !insertmacro ReadSwitch $openWith "OPENWITH"
  !insertmacro ReadSwitch $defaultPlayer "DEFAULTPLAYER"
  !insertmacro ReadSwitch $desktopShortcut "DESKTOP"
FunctionEnd

Function OptionsPage
  !insertmacro MUI_HEADER_TEXT "$(OptionsTitle)" "$(OptionsSubtitle)"
  nsDialogs::Create 1018
  Pop $0
  ${NSD_CreateCheckbox} 0 0 100% 12u "$(OpenWithOption)"
  Pop $openWithBox
  ${NSD_SetState} $openWithBox $openWith
  ${NSD_CreateCheckbox} 0 20u 100% 12u "$(DefaultPlayerOption)"
  Pop $defaultPlayerBox
  ${NSD_SetState} $defaultPlayerBox $defaultPlayer
  ${NSD_CreateLabel} 12u 34u -12u 30u "$(DefaultPlayerNote)"
  Pop $0
  ${NSD_CreateCheckbox} 0 72u 100% 12u "$(DesktopOption)"
  Pop $desktopBox
  ${NSD_SetState} $desktopBox $desktopShortcut
  nsDialogs::Show
FunctionEnd

Function OptionsPageLeave
  ${NSD_GetState} $openWithBox $openWith
  ${NSD_GetState} $defaultPlayerBox $defaultPlayer
  ${NSD_GetState} $desktopBox $desktopShortcut
FunctionEnd

Section
  Call WaitUntilVelmiraIsClosed
  # Keys this install may make, parents first; the uninstall entry's own parent before the entry exists.
  !insertmacro NoteKeyToMake "${UNINSTALL_PARENT_KEY}"
  ${IfNot} ${FileExists} "$LOCALAPPDATA\Programs\*.*"
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "Made programs folder" 1
  ${EndIf}

  SetOutPath "$INSTDIR"
  !include "${LISTS}/files.nsh"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateShortcut "$SMPROGRAMS\Velmira.lnk" "$INSTDIR\velmira.exe" "" "$INSTDIR\velmira.exe" 0 \
    SW_SHOWNORMAL "" "$(ShortcutDescription)"
  ${If} $desktopShortcut = 1
    CreateShortcut "$DESKTOP\Velmira.lnk" "$INSTDIR\velmira.exe" "" "$INSTDIR\velmira.exe" 0 \
      SW_SHOWNORMAL "" "$(ShortcutDescription)"
  ${Else}
    Delete "$DESKTOP\Velmira.lnk"
  ${EndIf}

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Velmira"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\velmira.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Velmira"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "OpenWith" $openWith
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "DefaultPlayer" $defaultPlayer
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "DesktopShortcut" $desktopShortcut

  # The ProgID both options name: what a MIDI file shows and how Velmira opens it.
  ${If} $openWith = 1
  ${OrIf} $defaultPlayer = 1
    WriteRegStr HKCU "${PROGID_KEY}" "" "$(MidiTypeName)"
    WriteRegStr HKCU "${PROGID_KEY}\DefaultIcon" "" "$INSTDIR\velmira.exe,0"
    WriteRegStr HKCU "${PROGID_KEY}\shell\open\command" "" '"$INSTDIR\velmira.exe" "%1"'
  ${EndIf}
  # "Open with": the application's own key and the ProgID listed under each extension.
  ${If} $openWith = 1
    !insertmacro NoteKeyToMake "${APPLICATIONS_KEY}"
    WriteRegStr HKCU "${APPLICATION_KEY}" "FriendlyAppName" "Velmira"
    WriteRegStr HKCU "${APPLICATION_KEY}\DefaultIcon" "" "$INSTDIR\velmira.exe,0"
    WriteRegStr HKCU "${APPLICATION_KEY}\shell\open\command" "" '"$INSTDIR\velmira.exe" "%1"'
    !insertmacro ForEachExtension AddOpenWith
  ${Else}
    Call RemoveOpenWith
  ${EndIf}
  ${If} $defaultPlayer = 1
    !insertmacro ForEachExtension MakeDefault
  ${Else}
    Call RemoveDefaultPlayer
  ${EndIf}
  ${If} $openWith = 0
  ${AndIf} $defaultPlayer = 0
    DeleteRegKey HKCU "${PROGID_KEY}"
  ${EndIf}
  !insertmacro RefreshAssociations
SectionEnd

Function un.onInit
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/REMOVESETTINGS" $1
  ${IfNot} ${Errors}
    StrCpy $removeSettings 1
  ${EndIf}
FunctionEnd

Section "Uninstall"
  Call un.WaitUntilVelmiraIsClosed
  !include "${LISTS}/un-files.nsh"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  ReadRegDWORD $0 HKCU "${UNINSTALL_KEY}" "Made programs folder"
  ${If} $0 = 1
    RMDir "$LOCALAPPDATA\Programs"
  ${EndIf}
  Delete "$SMPROGRAMS\Velmira.lnk"
  ReadRegDWORD $0 HKCU "${UNINSTALL_KEY}" "DesktopShortcut"
  ${If} $0 = 1
    Delete "$DESKTOP\Velmira.lnk"
  ${EndIf}

  Call un.RemoveDefaultPlayer
  Call un.RemoveOpenWith
  DeleteRegKey HKCU "${PROGID_KEY}"
  !insertmacro RefreshAssociations
  ReadRegDWORD $3 HKCU "${UNINSTALL_KEY}" "Made ${UNINSTALL_PARENT_KEY}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  ${If} $3 = 1
    DeleteRegKey /ifempty HKCU "${UNINSTALL_PARENT_KEY}"
  ${EndIf}

  # Asked only when the program has kept settings at all.
  !insertmacro KeyExists "${SETTINGS_KEY}"
  ${If} $0 = 1
  ${AndIfNot} ${Silent}
  ${AndIf} $removeSettings != 1
    MessageBox MB_YESNO|MB_ICONQUESTION "$(KeepSettings)" IDYES keep
    StrCpy $removeSettings 1
    keep:
  ${EndIf}
  ${If} $removeSettings == 1
    DeleteRegKey HKCU "${SETTINGS_KEY}"
  ${EndIf}
SectionEnd
