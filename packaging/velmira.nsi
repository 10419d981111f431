# The Windows installer of Velmira, built by packaging/make-packages.sh with makensis:
#   makensis -DVERSION=0.1.0 -DWIDTH=64 -DSTAGE=<folder of the files> -DLISTS=<folder of files.nsh>
#            -DICON=<velmira.ico> -DOUTFILE=<setup.exe> velmira.nsi
# It installs for the current user alone (no administrator rights) into the user's own programs folder,
# adds a Start menu shortcut, an entry in the installed programs with its uninstaller, and Velmira to the
# "Open with" list of .mid and .midi files without taking their default program away.
# The uninstaller removes all of that again and asks whether to keep the settings under
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

# Tells Explorer the file associations changed, so "Open with" shows the change at once.
!macro RefreshAssociations
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
!macroend

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmira"
!define APPLICATION_KEY "Software\Classes\Applications\velmira.exe"
!define PROGID "Velmira.MidiFile"
!define PROGID_KEY "Software\Classes\${PROGID}"
!define SETTINGS_KEY "Software\Velmira"

Name "Velmira ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Velmira"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Velmira ${VERSION} (${WIDTH} ビット版)"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=1041 "ProductName" "Velmira"
VIAddVersionKey /LANG=1041 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "FileDescription" "Velmira ${VERSION} セットアップ"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\velmira.exe"
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\README-ja.txt"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Japanese"

LangString KeepSettings ${LANG_JAPANESE} "Velmira の設定（曲の履歴、フォルダー、音源など）を残しますか？$\r$\n$\r$\n\
  「はい」で残し、次にインストールしたときにそのまま使えます。「いいえ」で設定も削除します。"
LangString MidiTypeName ${LANG_JAPANESE} "MIDI ファイル"
LangString ShortcutDescription ${LANG_JAPANESE} "演奏しながら音楽を変える MIDI ファイルプレーヤー"

Var removeSettings

Section
  SetOutPath "$INSTDIR"
  !include "${LISTS}/files.nsh"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateShortcut "$SMPROGRAMS\Velmira.lnk" "$INSTDIR\velmira.exe" "" "$INSTDIR\velmira.exe" 0 \
    SW_SHOWNORMAL "" "$(ShortcutDescription)"

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

  # "Open with": the application's own key and a ProgID listed under each extension. The extensions'
  # default values (the user's chosen program) are left alone.
  WriteRegStr HKCU "${APPLICATION_KEY}" "FriendlyAppName" "Velmira"
  WriteRegStr HKCU "${APPLICATION_KEY}\DefaultIcon" "" "$INSTDIR\velmira.exe,0"
  WriteRegStr HKCU "${APPLICATION_KEY}\shell\open\command" "" '"$INSTDIR\velmira.exe" "%1"'
  WriteRegStr HKCU "${APPLICATION_KEY}\SupportedTypes" ".mid" ""
  WriteRegStr HKCU "${APPLICATION_KEY}\SupportedTypes" ".midi" ""
  WriteRegStr HKCU "${PROGID_KEY}" "" "$(MidiTypeName)"
  WriteRegStr HKCU "${PROGID_KEY}\DefaultIcon" "" "$INSTDIR\velmira.exe,0"
  WriteRegStr HKCU "${PROGID_KEY}\shell\open\command" "" '"$INSTDIR\velmira.exe" "%1"'
  WriteRegStr HKCU "Software\Classes\.mid\OpenWithProgids" "${PROGID}" ""
  WriteRegStr HKCU "Software\Classes\.midi\OpenWithProgids" "${PROGID}" ""
  !insertmacro RefreshAssociations
SectionEnd

# Takes the program off an extension's "Open with" list. The list's key and the extension's own key go
# only when nothing else is left in them (/ifempty: no value, such as the user's default program, and no
# subkey).
!macro RemoveOpenWith extension
  DeleteRegValue HKCU "Software\Classes\${extension}\OpenWithProgids" "${PROGID}"
  DeleteRegKey /ifempty HKCU "Software\Classes\${extension}\OpenWithProgids"
  DeleteRegKey /ifempty HKCU "Software\Classes\${extension}"
!macroend

Function un.onInit
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/REMOVESETTINGS" $1
  ${IfNot} ${Errors}
    StrCpy $removeSettings 1
  ${EndIf}
FunctionEnd

Section "Uninstall"
  !include "${LISTS}/un-files.nsh"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  RMDir "$LOCALAPPDATA\Programs"  ; made by the install when this was the first program there
  Delete "$SMPROGRAMS\Velmira.lnk"

  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  DeleteRegKey HKCU "${APPLICATION_KEY}"
  DeleteRegKey HKCU "${PROGID_KEY}"
  !insertmacro RemoveOpenWith ".mid"
  !insertmacro RemoveOpenWith ".midi"
  !insertmacro RefreshAssociations

  # Asked only when the program has kept settings at all.
  ClearErrors
  EnumRegKey $0 HKCU "${SETTINGS_KEY}" 0
  ${IfNot} ${Errors}
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
