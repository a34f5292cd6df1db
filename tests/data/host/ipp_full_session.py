# Fills a session file's print settings with one value of every setting korvo-pde ipp and print
# send as IPP job attributes: python3 ipp_full_session.py SESSION.plist
import plistlib, sys
d = plistlib.load(open(sys.argv[1], 'rb'))
items = d['PMPrintSettingsTicket']['Items']
clients = d['PMPrintSettingsTicket']['Clients']
def put(k, v):
    items[k] = v
    clients[k] = 'com.korvo.print'
put('com.korvo.print.JobLevelStock', {'Size': 4, 'Type': 1, 'Weight': 90, 'Color': 4, 'Finish': 1, 'kGrain': 1,
    'SidesCoated': 3, 'kCoatingType': 1, 'Description': 'Bright "white" {FSC}\nline two'})
put('com.korvo.print.SpecialPages.FrontCover', {'SidesImaged': 2, 'Stock': {'Size': 4, 'Weight': 250}})
put('com.korvo.print.SpecialPages.BackCover', {'SidesImaged': 1, 'Stock': {'Size': 4}})
put('com.korvo.print.SpecialPages.InsertList', [{'StartPage': 2, 'Quantity': 1, 'Stock': {'Size': 4, 'Color': 3}}])
put('com.korvo.print.SpecialPages.ExceptionList', [{'StartPage': 2, 'EndPage': 3, 'SidesImaged': 1, 'Stock': {'Size': 4}}])
put('com.korvo.print.FinishingOptions', 49)
put('com.korvo.print.FinishingStaple1Value', 5)
put('com.korvo.print.FinishingHolePunchValue', 32)
put('com.korvo.print.FinishingHolePunchOptions', 3)
put('com.korvo.print.FinishingSlipSheet', 2)
put('com.korvo.print.OutputOrder', 2)
put('com.korvo.print.ImageShiftOptionsJob', {'Option': 1, 'Inches': 0, 'X1': 20, 'Y1': -10, 'X2': 0, 'Y2': 5})
put('com.korvo.print.JobNotesMessage', 'Say "hi", {now}\n$HOME \\ ok')
put('com.korvo.print.JobNotesSheetMessage', 'Banner {1}')
put('com.korvo.print.JobNotesRecipientUseLoginName', False)
put('com.korvo.print.JobNotesRecipient', 'Ann')
put('com.korvo.Act.jtkt.On', 3)
put('com.korvo.Act.jtkt.UID', 'u1')
put('com.korvo.Act.jtkt.AID', 'acct-9')
job = items['com.korvo.print.JobType']
job.update({'JobType': 4, 'UseJobName': False, 'SavedJobName': 'Kept', 'MediaType': 3})
plistlib.dump(d, open(sys.argv[1], 'wb'))
