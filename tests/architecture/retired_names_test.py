#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Fails when a retired name comes back into the C++ code.

The names below were the program's early names: form-designer defaults,
abbreviations, record offsets and xBase calls. Each was replaced by a name
that says what the thing is or does. The check reads every .h and .cpp file
of the source tree (product and tests) and looks for each name as a whole
word outside string literals: message texts, on-disk field names and JSON
keys keep their spelling, so quoted text is not searched.

Usage: retired_names_test.py [SOURCE_ROOT]
"""

import os
import re
import sys

RETIRED_NAMES = """
TFormBDat FormBDat TFormBDatEntries TFormBDatFields TBtnRightDlgWheel BtnRightDlgWheel
TCalHouPlaForm TBdatSvNmForm BdatSvNmForm TBdatPlacForm BdatPlacForm TZorRunningForm
TAboutZorForm TFormZor FormZorBody TDerivedForm TPreferencesForm TReadNameMenu
TFormWheelExitMenu FormWheelExitMenu editName_ editPlace_ MaskEdDate maskEdDate_ MaskEdTime
maskEdTime_ MaskEdLat maskEdLat_ MaskEdLong maskEdLong_ MaskEdTZHrs maskEdTZHrs_ MaskEdTZMins
maskEdTZMins_ MaskEdTzEW maskEdTzEW_ MaskEdDstObs maskEdDstObs_ EdDstTblNum edDstTblNum_
cbHouses_ cbZodiac_ Label10 label10_ Label11 label11_ Label21 label21_ Label23 label23_ Label27
label27_ MemoCurSel2 memoCurSel2_ Memo1 memo1_ ListBox2 listBox2_ ListBox2Click ListBox1
listBox1_ bitBtn13_ bitBtn12_ BitBtn6 bitBtn6_ BitBtn1 bitBtn1_ btnNewDerived btnNewDerived_
saveDeleteName1_ btnDelete btnDelete_ btnPlace btnPlace_ EXITPRINT LbCities lbCities lbCities_
LbCitiesClick BtnGetFirstPlac btnGetFirstPlac btnGetFirstPlac_ btnGetFirstPlacClick BtnOK btnOK
btnOK_ btnOKClick BtnCancel btnCancel btnCancel_ LabNotFound labNotFound labNotFound_ LabRefused
labRefused labRefused_ labMarks EditPlaceKeyDown EditPlaceAfterKey EditPlaceKeyUp DisplViewWheel
DisplOtherPrnOuts btnPrintClick WheelMainLoop SetTheScreenVariables EnterDatAndCalcLoop TTzDbf
GetCField SetCField GetLongField SetLongField ReplaceRec AppendRec DeleteRec RecallRec FLock
UnLock RecNo RecCount SetOrderTo SetFilterTo SetHideDeletedRecs CalcTheHouAndPla CalPlanH
EphCalc Geocon DetermHousePos FillWhichHousePos GetDstInfoFromScreenDateTimeAndDstTblNum
CopyFileRoutine StoreCalcFlags int6354 str6358 str6400 chartypxtr setChartypxtr charttype
setCharttype calcastyn setCalcastyn calcyn calctnp brthdatsrc setBrthdatsrc brthdatacc
setBrthdatacc usertype setUsertype tzone setTzone dstcode setDstcode setGmt setJulday setObliq
setAyan setDeltat setMoonnode setEastpt setCoasc setPolarasc setZodsel setHousesys RunState
RunStateEntry zodsel housesys julday gmt obliq ayan moonnode eastpt coasc polarasc
defaultZodsel defaultHousesys
""".split()

STRING_OR_CHAR = re.compile(r'"(?:[^"\\\n]|\\.)*"|\'(?:[^\'\\\n]|\\.)*\'')
RAW_STRING = re.compile(r'R"([^(\s]*)\((.*?)\)\1"', re.S)


def code_without_strings(text):
    return STRING_OR_CHAR.sub('""', RAW_STRING.sub('""', text))


def source_files(root):
    for folder, dirs, files in os.walk(root):
        dirs[:] = [d for d in dirs if not d.startswith(".") and d not in ("build", "data")
                   and not d.startswith("build-")]
        for name in files:
            if name.endswith((".h", ".cpp")):
                yield os.path.join(folder, name)


def find_retired(root, names):
    pattern = re.compile(r"\b(" + "|".join(map(re.escape, names)) + r")\b")
    hits = []
    for path in sorted(source_files(root)):
        with open(path, encoding="utf-8", errors="replace") as f:
            text = code_without_strings(f.read())
        for number, line in enumerate(text.splitlines(), 1):
            for match in pattern.finditer(line):
                hits.append(f"{os.path.relpath(path, root)}:{number}: {match.group(1)}")
    return hits


def self_check():
    """The scan must see a name in code and in comments, never in quotes."""
    sample = 'int TTzDbf; // GetCField\nShow("TTzDbf"); char c = \'"\'; x = TTzDbf2;\n'
    cleaned = code_without_strings(sample)
    found = re.findall(r"\b(TTzDbf|GetCField)\b", cleaned)
    return found == ["TTzDbf", "GetCField"]


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "..")
    if not self_check():
        print("retired_names_test: the string filter is broken")
        return 1
    hits = find_retired(os.path.abspath(root), RETIRED_NAMES)
    for hit in hits:
        print(hit)
    if hits:
        print(f"{len(hits)} uses of retired names; use the names that replaced them")
        return 1
    print(f"no retired name among {len(RETIRED_NAMES)} in the code")
    return 0


if __name__ == "__main__":
    sys.exit(main())
