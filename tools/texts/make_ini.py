#!/usr/bin/env python3
"""Writes the INI templates and the empty user base into data/.

KLDef.ini     the template a new or foreign KLSetup.ini is made from
KLCommon.ini  an administrator's overrides; every key present and empty
KLKeyb.ini    which keyboard file each layout name uses
UserBase.org  the user base a first start renames to userbase.kl4 (no records)

Run: python3 tools/texts/make_ini.py
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
from ansifile import data_dir, write_lines  # noqa: E402

KLDEF = """\
; Tapquill installation settings.
; This file is the template of KLSetup.ini: the program copies it over a
; missing KLSetup.ini, and over one made for another language edition.
; The program writes KLSetup.ini itself; edit this template only to change
; what a new installation starts with. An administrator who wants to fix a
; setting for every computer puts it into KLCommon.ini instead.

[General Settings]
; The language edition of these settings; must stay "UK".
LanguageID=UK

; Folder of the user base, KLCommon.ini and KLKeyb.ini. Empty: the program's
; own folder. May name a network folder shared by a classroom (prepare it
; with "tapquill-admin share init FOLDER"), and may hold environment
; variables such as %HOME% (%HOME%/tapquill: a folder of each user's own).
DataPath=

; 1: take the keyboard layout from the system. 0: use KeyboardLayout below.
KeyboardAutoDetect=1
; A layout name listed in KLKeyb.ini (used when auto-detection is off).
KeyboardLayout=English US

; 1: sound effects on. 0: off.
PlaySounds=1
; 1: play the short theme tune at start-up.
PlayTheme=1
; WPM: speeds in words per minute (five characters a word). CPS: characters.
MeasuringUnit=WPM
; 1: the book may be enlarged with the window.
MaximizedBook=0

; The course a new student starts with.
DefaultContents=Beginner.cnt
; Minutes per lesson preselected for new students: 25, 35 or 45, -1 for no
; time limit, 0 to take the course's own suggestion.
LessonDuration=0
; Name of the review material used when a course names none (a .hdr file
; without its extension). Empty: none.
DefaultWizard=

; The last student who signed in (written by the program).
LastUser=
"""

KLCOMMON = """\
; Tapquill administrator settings, read from the data folder.
; Every key is present and empty: an empty key changes nothing. Fill in a
; key to set it for every computer that uses this data folder.

[General Settings]
; A value here replaces the same key of each computer's KLSetup.ini. For
; KeyboardAutoDetect, PlaySounds, PlayTheme, MeasuringUnit, DefaultContents
; and LessonDuration the student also cannot change it: the options and
; profile pages show the setting locked.
;
; 1: keyboard layout from the system; 0: the layout named by KeyboardLayout.
KeyboardAutoDetect=
; A layout name listed in KLKeyb.ini.
KeyboardLayout=
; 1: sound effects on; 0: off.
PlaySounds=
; 1: play the theme tune at start-up; 0: never.
PlayTheme=
; WPM (words per minute) or CPS (characters per minute).
MeasuringUnit=
; 1: the book may be enlarged with the window; 0: it keeps its size.
MaximizedBook=
; The course a new student starts with, for example Beginner.cnt.
DefaultContents=
; Minutes per lesson: 25, 35 or 45; -1 no time limit; 0 the course's choice.
LessonDuration=
; Review material used when a course names none (name without ".hdr").
DefaultWizard=

[Common Settings]
; These keys exist only here. A flag is on only when its value is 1.
;
; Sign every student in under this name without asking; may hold
; environment variables, for example %USERNAME%.
AutoLogon=
; Folder of the students' own texts (*.txt) offered for story typing; a
; name without a drive is taken inside the data folder.
CustomStoryPath=
; 1: the sign-in page offers no list of the students' names.
DisableUserList=
; 1: the statistics page cannot print its report.
DisablePrintReport=
; 1: a lesson may be left only when every exercise of it is passed.
RequireAllPassedBeforeContinue=
; 1: the Settings tab is hidden.
DisableSettingsPage=
; 1: no links to web pages are shown.
RemoveInternetLinks=
; 1: secured mode (also removes the web links).
SecuredMode=
; 1: the program runs from a read-only medium: KLCommon.ini and KLKeyb.ini
; are read from the program folder, and the user base is copied to the data
; folder on first start.
CDRomRelease=
"""

# Each name is matched against the detected layout name ("English US",
# "German", ...) by containment, first line first: "English US" must come
# before "English UK" so that a plain "English" finds the US file.
KLKEYB = """\
; Tapquill keyboard layouts: one line per layout name, naming its keyboard
; file. The program looks for the first line that contains the layout name
; it detected (or the one chosen on the Settings page); a layout without a
; line here uses qwerty.kbd.

[Keyboard Layouts]
English US=qwerty.kbd
English UK=uk.kbd
German=german.kbd
French=french.kbd
Finnish=nordic.kbd
Swedish=nordic.kbd
Spanish=spanish.kbd
Dvorak=dvorak.kbd
Colemak=colemak.kbd
"""


def main():
    out = data_dir()
    write_lines(os.path.join(out, "KLDef.ini"), KLDEF.splitlines())
    write_lines(os.path.join(out, "KLCommon.ini"), KLCOMMON.splitlines())
    write_lines(os.path.join(out, "KLKeyb.ini"), KLKEYB.splitlines())
    # The empty user base: no header, no records. The first student who
    # signs in by name is appended as record 0.
    with open(os.path.join(out, "UserBase.org"), "wb"):
        pass


if __name__ == "__main__":
    main()
