# Gives a session the Advanced panel's page range 4-5 and the pads' uncollated copies:
# python3 ticket_page_range.py SESSION.plist
import plistlib, sys
d = plistlib.load(open(sys.argv[1], 'rb'))
for k, v in (('com.korvo.print.PagesToPrintSelected', 1), ('com.korvo.print.PagesToPrintFrom', 4),
             ('com.korvo.print.PagesToPrintTo', 5), ('com.apple.print.PrintSettings.PMCopyCollate', False)):
    d['PMPrintSettingsTicket']['Items'][k] = v
    d['PMPrintSettingsTicket']['Clients'][k] = 'com.korvo.print'
plistlib.dump(d, open(sys.argv[1], 'wb'))
