; The setup program of gpsclock.exe for 64-bit Windows, built with NSIS by the build's target
; gpsclock_setup (tools/package-windows), which defines VERSION, FILE_VERSION, PROGRAM (gpsclock.exe),
; OPERATORS_GROUP (operators-group.exe), ICON (the globe) and OUTFILE.
; Command line, also for the silent install (/S): /AUTOSTART selects the start at login;
; /CONFIG=4,1,0,5 writes that line into config.cfg. Exit codes: 0 done, 1 cancelled, 2 stopped (a
; file could not be written, for instance while the program runs), 3 installed, but the operators'
; group or its right is not in place (the details say which step failed). The uninstaller's are the
; same, 3 when the group or its right could not be removed; it returns at once, from a copy of
; itself, unless started with _?=<program folder> as its last option.
Unicode true
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include Sections.nsh

!define TITLE "GPS卫星时钟对时"
!define PUBLISHER "Zelvaro电子"
!define GROUP "gpsclock operators"
!define TRACKING_LOG "跟踪记录.txt"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\gpsclock"
!define EXIT_WITHOUT_OPERATORS 3

Name "${TITLE} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\gpsclock"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" InstallLocation
BrandingText "${PUBLISHER}"
AllowSkipFiles off
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${FILE_VERSION}"
VIAddVersionKey /LANG=2052 ProductName "${TITLE}"
VIAddVersionKey /LANG=2052 CompanyName "${PUBLISHER}"
VIAddVersionKey /LANG=2052 FileDescription "${TITLE} 安装程序"
VIAddVersionKey /LANG=2052 FileVersion "${VERSION}"
VIAddVersionKey /LANG=2052 ProductVersion "${VERSION}"
VIAddVersionKey /LANG=2052 LegalCopyright "Copyright 2026 Zelvaro"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_COMPONENTSPAGE_NODESC
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE SimpChinese

; Runs operators-group.exe with COMMAND (add or remove) on the program folder; when a step of it
; fails, the exit code says so and MESSAGE tells the user.
!macro OperatorsGroup COMMAND MESSAGE
  InitPluginsDir
  File "/oname=$PLUGINSDIR\operators-group.exe" "${OPERATORS_GROUP}"
  nsExec::ExecToLog '"$PLUGINSDIR\operators-group.exe" ${COMMAND} "$INSTDIR"'
  Pop $0
  ${If} $0 != 0
    SetErrorLevel ${EXIT_WITHOUT_OPERATORS}
    MessageBox MB_OK|MB_ICONEXCLAMATION "${MESSAGE}" /SD IDOK
  ${EndIf}
!macroend

Section "${TITLE}" SectionProgram
  SectionIn RO
  SetOutPath "$INSTDIR"
  File "/oname=gpsclock.exe" "${PROGRAM}"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ; The two files the program writes exist from the start, so that the operators' group can be
  ; given them: the group cannot make files in the folder. An empty config.cfg reads as none, and
  ; the files of an earlier install stay as they are.
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/CONFIG=" $R1
  ${If} ${Errors}
    ClearErrors
  ${Else}
    FileOpen $0 "$INSTDIR\config.cfg" w
    FileWrite $0 "$R1$\r$\n"
    FileClose $0
  ${EndIf}
  FileOpen $0 "$INSTDIR\config.cfg" a
  FileClose $0
  FileOpen $0 "$INSTDIR\${TRACKING_LOG}" a
  FileClose $0
  ${If} ${Errors}
    DetailPrint "未能建立 config.cfg 或 ${TRACKING_LOG}"
    Abort
  ${EndIf}

  CreateShortcut "$SMPROGRAMS\${TITLE}.lnk" "$INSTDIR\gpsclock.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" DisplayName "${TITLE}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" DisplayVersion "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" Publisher "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" DisplayIcon "$INSTDIR\gpsclock.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" InstallLocation "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" UninstallString '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" QuietUninstallString '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" NoModify 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" NoRepair 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" EstimatedSize $0

  ; Last, when every file is in place: the folder kept to administrators, the group made and given
  ; the right to change the system time, and the two files opened to it.
  !insertmacro OperatorsGroup add "程序已安装，但未能建立操作员组“${GROUP}”或授予其“更改系统时间”的权利（见详细信息）。$\r$\n组员以外的用户不能设置系统时间。"
SectionEnd

Section /o "登录时启动" SectionAutostart
  CreateShortcut "$SMSTARTUP\${TITLE}.lnk" "$INSTDIR\gpsclock.exe"
SectionEnd

Function .onInit
  SetShellVarContext all
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/AUTOSTART" $R1
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${SectionAutostart}
  ${EndIf}
FunctionEnd

; config.cfg and the tracking log are the operators' and stay, and with them the folder.
Section Uninstall
  !insertmacro OperatorsGroup remove "未能删除操作员组“${GROUP}”或其权利（见详细信息）。"
  Delete "$SMPROGRAMS\${TITLE}.lnk"
  Delete "$SMSTARTUP\${TITLE}.lnk"
  Delete "$INSTDIR\gpsclock.exe"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd

Function un.onInit
  SetShellVarContext all
FunctionEnd
