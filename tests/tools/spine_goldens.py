#!/usr/bin/env python3
# Writes the golden files of the start-up, prompt and report-file transcripts
# from the fixed texts of the program (run in tests/transcripts).
import os
TITLE = " " * 30 + "P e l a n t o r\n" + " " * 35 + "v. 5.3\n\n"
ASK = ("Do you want to save your data (without user prompts) in an external file?\n"
       "Type  'Y' or 'N':  ")
MENU = ("Type '1' to see properties of a single set\n"
        "     '2' to combine subsets into a single set\n"
        "     '3' to see subsets of superset(s)\n"
        "     '4' to create sets from interval-class vectors\n"
        "     '5' to check transformational possibilities of two sets\n"
        "     '6' to compare sets using a similarity index\n"
        "     '7' to show set mappings\n\n"
        "     '?' for instructions       '#' to change prime form algorithm\n"
        "     '0' to redirect output\n\n"
        "  Command:  ")
NAMEQ = "Please enter a file name to create: "
def note(name):
    return ("\nNOTE: Your file, \"%s,\" will appear in the current directory\n" % name +
            "      as a text file.  It should be retrievable using any word processor.\n"
            "      The data may be misaligned if your default font is proportionally\n"
            "      spaced.  Switching to \"Courier,\" \"Monaco,\" or any other non-\n"
            "      proportional font will correct all misalignments.\n\n\n")
STARS = "*" * 60 + "\n"
def banner(name):
    return STARS + " " * ((37 - len(name)) // 2) + "\"%s\" created by \"Pelantor\"\n" % name + STARS + "\n"
def openfile(name):
    # screen side of a yes answer: "\n" after the answer, the name prompt, the
    # centring blanks (funnelled), then the note.
    return "\n" + NAMEQ + " " * ((37 - len(name)) // 2) + note(name)
NO = "\n\n"
OUT_OF_RANGE = "Answer out of range:  (%d - %d):  "
SORRY = "I'm sorry, did you say something?  "
ALG = ("\nPlease type '1' for 'Rahn' type prime forms\n"
       "                (least packed to the right)\n"
       "       type '2' for 'Forte' type prime forms\n"
       "                (most packed to the left)\n\nCommand:  ")
YN = "That's interesting, but I'd really prefer a yes or no answer.  "

def write(name, typed, out, report=None):
    open(name + ".in", "w").write(typed)
    open(name + ".out", "w").write(out)
    if report is not None:
        open(name + ".report", "w").write(report)

# Start-up without a report file; the input ends at the main menu.
write("startup", "n\n", TITLE + ASK + NO + MENU)

# Wrong answers at the main menu: each is answered inside the reader without
# the menu being shown again; '#' switches the algorithm and shows the menu.
write("menu_answers",
      "n\n8\n\n   \n-1\nmaybe\n99999999999999\n",
      TITLE + ASK + NO + MENU + OUT_OF_RANGE % (0, 7) + SORRY + SORRY +
      OUT_OF_RANGE % (0, 7))

# Complaints at the yes/no question, then a yes that opens a new report file;
# entry 0 closes it and a no leaves the screen alone.
write("report_new",
      "perhaps\ny\nreport.txt\n0\nno\n",
      TITLE + ASK + YN + openfile("report.txt") + MENU + "\n" + ASK + NO + MENU,
      banner("report.txt"))

# An existing report file keeps its contents and gets a second banner.
os.makedirs("report_existing.given", exist_ok=True)
old = banner("report.txt") + "earlier results\n"
open("report_existing.given/report.txt", "w").write(old)
write("report_existing", "Y\nreport.txt\n",
      TITLE + ASK + openfile("report.txt") + MENU, old + banner("report.txt"))

# Names that cannot be opened are refused and the question is asked again;
# entry 0 then reopens the same file, which gets another banner.
write("report_unopenable",
      "y\n\ny\n.\ny\nreport.txt\n0\ny\nreport.txt\n",
      TITLE + ASK + "\n" + NAMEQ + "Sorry, \"\" could not be opened (the name is empty).\n\n" +
      ASK + "\n" + NAMEQ + "Sorry, \".\" could not be opened (Is a directory).\n\n" +
      ASK + openfile("report.txt") + MENU + "\n" + ASK + openfile("report.txt") + MENU,
      banner("report.txt") * 2)

# A name of 40 characters is cut to 29; the rest of its line reaches the menu.
long = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMN"
write("report_longname", "y\n" + long + "\n",
      TITLE + ASK + openfile(long[:29]) + MENU + SORRY)
os.makedirs("report_longname.expect", exist_ok=True)
open("report_longname.expect/" + long[:29], "w").write(banner(long[:29]))

# '#' at the menu, nested '#' inside the algorithm dialogue, and wrong answers
# there; the answer given at the outer level counts last.
write("algorithm_dialogue",
      "n\n#\n3\n#\n2\nx\n1\n",
      TITLE + ASK + NO + MENU + ALG + OUT_OF_RANGE % (1, 2) + ALG + "\n" + ALG + SORRY +
      "\n" + "\n" + MENU)

# '#' at the report-file question asks the question again afterwards.
write("report_question_escape", "#\n2\nn\n",
      TITLE + ASK + ALG + "\n" + "\n" + ASK + NO + MENU)

# The input may end anywhere: at the report-file question, in a file name,
# inside the algorithm dialogue.
write("eof_question", "", TITLE + ASK)
write("eof_filename", "y\nrep", TITLE + ASK + openfile("rep") + MENU)
write("eof_algorithm", "n\n#\n", TITLE + ASK + NO + MENU + ALG)
