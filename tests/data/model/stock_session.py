"""Python's plistlib on the other side of the stock tests.

  dump PATH     load the session file PATH (written by us) and print the job's stock dictionary,
                one "key type value" line per key in sorted order, then the writing client
  write PATH    write a session file whose print-settings ticket holds STOCK, as a tool other
                than ours would: plistlib's own layout, a real where a whole number belongs
"""
import plistlib
import sys

JOB_LEVEL_STOCK = "com.korvo.print.JobLevelStock"

STOCK = {
    "Size": 75,
    "Width": 22900,
    "Length": 30500,
    "Type": 4,
    "Modulus": 5,
    "Color": 10,
    "CustomColor": "Lachs",
    "Weight": 120.0,
    "Punched": 2,
    "Description": "Trennblätter, 5 Lagen",
    "SidesCoated": 3,
    "kCoatingType": 5,
    "Finish": 1,
    "kGrain": 2,
    "CustomName": "Register A–E",
    "CustomNameOnly": True,
    "CustomComment": "from plistlib",
    "Source": 10,
}


def describe(value):
    if isinstance(value, bool):
        return "bool " + ("true" if value else "false")
    if isinstance(value, int):
        return "int %d" % value
    if isinstance(value, float):
        return "real %r" % value
    if isinstance(value, str):
        return "string " + value
    return "other " + type(value).__name__


def dump(path):
    with open(path, "rb") as f:
        session = plistlib.load(f)
    ticket = session["PMPrintSettingsTicket"]
    stock = ticket["Items"][JOB_LEVEL_STOCK]
    for key in sorted(stock):
        print(key, describe(stock[key]))
    print("client", ticket["Clients"][JOB_LEVEL_STOCK])


def write(path):
    session = {
        "PMPrintSettingsTicket": {"Items": {JOB_LEVEL_STOCK: STOCK}, "Clients": {JOB_LEVEL_STOCK: "plistlib"}},
        "PMPageFormatTicket": {"Items": {}, "Clients": {}},
        "PMPrinterInfoTicket": {"Items": {}, "Clients": {}},
        "Printer": {"Name": "Korvo", "DeviceURI": "ipp://korvo.invalid/", "PPD": ""},
    }
    with open(path, "wb") as f:
        plistlib.dump(session, f, sort_keys=False)


if __name__ == "__main__":
    {"dump": dump, "write": write}[sys.argv[1]](sys.argv[2])
