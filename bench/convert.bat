@echo off
rem The same conversion as EDJUMP.EXE with the template %%F+%%R: "/J12 a.txt" starts the editor with a.txt+12.
set line=%1
set line=%line:~2%
start "" "@EDITOR_PATH@" %2+%line%
