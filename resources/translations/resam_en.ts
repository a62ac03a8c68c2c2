<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="ru_RU">
<context>
    <name>Comfun</name>
    <message>
        <source>Рисунок.bmp</source>
        <translation>Picture.bmp</translation>
    </message>
</context>
<context>
    <name>DiagramExport</name>
    <message>
        <source>PNG, вдвое крупнее (*.png)|*.png</source>
        <translation>PNG, double size (*.png)|*.png</translation>
    </message>
    <message>
        <source>SVG, векторный рисунок (*.svg)|*.svg</source>
        <translation>SVG, vector picture (*.svg)|*.svg</translation>
    </message>
    <message>
        <source>PDF, лист A4 (*.pdf)|*.pdf</source>
        <translation>PDF, A4 page (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>Диаграмма.bmp</source>
        <translation>Diagram.bmp</translation>
    </message>
    <message>
        <source>Сохранить данные</source>
        <translation>Save data</translation>
    </message>
    <message>
        <source>Данные CSV (*.csv)|*.csv</source>
        <translation>CSV data (*.csv)|*.csv</translation>
    </message>
    <message>
        <source>Диаграмма.csv</source>
        <translation>Diagram.csv</translation>
    </message>
    <message>
        <source>Не удаётся сохранить данные: в видимом диапазоне больше %1 отсчётов одного графика. Сузьте диапазон.</source>
        <translation>Cannot save the data: the visible range holds more than %1 samples of one plot. Narrow the range.</translation>
    </message>
</context>
<context>
    <name>FileExtension</name>
    <message>
        <source>%1:
Формат файлов %2 не поддерживается.Произведена коррекция.</source>
        <translation>%1:
File format %2 is not supported. The extension has been corrected.</translation>
    </message>
</context>
<context>
    <name>FileMessages</name>
    <message>
        <source>Не удаётся создать файл</source>
        <translation>Cannot create the file</translation>
    </message>
    <message>
        <source>Не удаётся создать файл%1</source>
        <translation>Cannot create the file %1</translation>
    </message>
    <message>
        <source>Не удаётся создать файл %1</source>
        <translation>Cannot create the file %1</translation>
    </message>
    <message>
        <source>Не удаётся открыть файл%1</source>
        <translation>Cannot open the file %1</translation>
    </message>
    <message>
        <source>Не удаётся открыть файл %1</source>
        <translation>Cannot open the file %1</translation>
    </message>
    <message>
        <source>Файл %1 повреждён. 
 Операция не выполнена</source>
        <translation>File %1 is damaged. 
 Nothing was done.</translation>
    </message>
    <message>
        <source>Не удаётся открыть файл %1
 Не достаточно памяти.</source>
        <translation>Cannot open the file %1
 Not enough memory.</translation>
    </message>
    <message>
        <source>Не удаётся записать файл %1</source>
        <translation>Cannot write the file %1</translation>
    </message>
    <message>
        <source>Не удаётся записать файл %1. Прежнее содержимое файла сохранено.</source>
        <translation>Cannot write the file %1. Its previous contents are kept.</translation>
    </message>
    <message>
        <source>Не удаётся сохранить файл. Не достаточно памяти.</source>
        <translation>Cannot save the file. Not enough memory.</translation>
    </message>
    <message>
        <source>Формат файлов с указанным расширением не поддерживатеся.</source>
        <translation>Files with this extension are not supported.</translation>
    </message>
</context>
<context>
    <name>Recording</name>
    <message>
        <source>фрагмент выходит за пределы ряда.</source>
        <translation>the fragment lies outside the series.</translation>
    </message>
    <message>
        <source>файл не открывается (его нет или к нему нет доступа).</source>
        <translation>the file does not open (it is missing or not accessible).</translation>
    </message>
    <message>
        <source>файл пуст.</source>
        <translation>the file is empty.</translation>
    </message>
    <message>
        <source>файл больше %1 МБ.</source>
        <translation>the file is larger than %1 MB.</translation>
    </message>
    <message>
        <source>файл не читается.</source>
        <translation>the file cannot be read.</translation>
    </message>
</context>
<context>
    <name>SeriesCsv</name>
    <message>
        <source>строка %1: время %2 не больше, чем в предыдущей строке (%3).</source>
        <translation>line %1: time %2 is not greater than in the previous line (%3).</translation>
    </message>
    <message>
        <source>строка %1: шаг времени %2 отличается от обычного (%3) более чем на 1%: отсчёты должны идти равномерно.</source>
        <translation>line %1: time step %2 differs from the usual one (%3) by more than 1%: samples must be evenly spaced.</translation>
    </message>
    <message>
        <source>шаг времени слишком мал.</source>
        <translation>time step too small.</translation>
    </message>
    <message>
        <source>Не удаётся прочитать файл данных «%1»: %2</source>
        <translation>Cannot read the data file “%1”: %2</translation>
    </message>
    <message>
        <source>в файле нет ни одного числа.</source>
        <translation>the file holds no number at all.</translation>
    </message>
    <message>
        <source>в файле нет ни одного числа, только заголовок.</source>
        <translation>the file holds no number, only a heading.</translation>
    </message>
    <message>
        <source>в файле %1 строк, а программа читает не более %2.</source>
        <translation>the file has %1 lines, but the program reads at most %2.</translation>
    </message>
    <message>
        <source>строка %1: «%2» — не число.</source>
        <translation>line %1: “%2” is not a number.</translation>
    </message>
    <message>
        <source>строка %1: «%2» — не два числа (время и значение).</source>
        <translation>line %1: “%2” is not two numbers (time and value).</translation>
    </message>
    <message>
        <source>в файле меньше %1 значений, из них не выбрать фрагмент.</source>
        <translation>the file has fewer than %1 values, too few to choose a fragment from.</translation>
    </message>
</context>
<context>
    <name>SessionCommands</name>
    <message>
        <source>Файл сеанса повреждён: %1</source>
        <translation>The session file is damaged: %1</translation>
    </message>
    <message>
        <source>Сохранить сеанс</source>
        <translation>Save session</translation>
    </message>
    <message>
        <source>Открыть сеанс</source>
        <translation>Open session</translation>
    </message>
    <message>
        <source>Сеанс resam (*.resam)|*.resam</source>
        <translation>Resam session (*.resam)|*.resam</translation>
    </message>
    <message>
        <source>Сеанс.resam</source>
        <translation>Session.resam</translation>
    </message>
    <message>
        <source>Сеанс не сохранён: не удаётся создать файл %1</source>
        <translation>Session not saved: cannot create the file %1</translation>
    </message>
    <message>
        <source>Сеанс не сохранён: не удаётся записать файл %1</source>
        <translation>Session not saved: cannot write the file %1</translation>
    </message>
    <message>
        <source>Не удаётся открыть файл %1</source>
        <translation>Cannot open the file %1</translation>
    </message>
</context>
<context>
    <name>SessionFile</name>
    <message>
        <source>поле «%1» должно быть объектом.</source>
        <translation>field “%1” must be an object.</translation>
    </message>
    <message>
        <source>поле «%1» должно быть целым числом.</source>
        <translation>field “%1” must be an integer.</translation>
    </message>
    <message>
        <source>поле «%1» должно быть true или false.</source>
        <translation>field “%1” must be true or false.</translation>
    </message>
    <message>
        <source>поле «%1» должно быть одним из значений %2.</source>
        <translation>field “%1” must be one of the values %2.</translation>
    </message>
    <message>
        <source>значение поля «%1» (%2) не из допустимых: %3.</source>
        <translation>the value of field “%1” (%2) is not one of the permitted: %3.</translation>
    </message>
    <message>
        <source>поле «%1» должно быть списком чисел.</source>
        <translation>field “%1” must be a list of numbers.</translation>
    </message>
    <message>
        <source>в поле «%1» %2 значений, а %3 не более %4.</source>
        <translation>field “%1” has %2 values, but %3 at most %4.</translation>
    </message>
    <message>
        <source>поле «%1» должно быть списком из %2 объектов.</source>
        <translation>field “%1” must be a list of %2 objects.</translation>
    </message>
    <message>
        <source>поле «%1[%2]» должно быть объектом.</source>
        <translation>field “%1[%2]” must be an object.</translation>
    </message>
    <message>
        <source>нет поля «%1».</source>
        <translation>no field “%1”.</translation>
    </message>
    <message>
        <source>поле «%1» должно быть числом.</source>
        <translation>field “%1” must be a number.</translation>
    </message>
    <message>
        <source>значение поля «%1» (%2) вне пределов %3 … %4.</source>
        <translation>the value of field “%1” (%2) is outside %3 … %4.</translation>
    </message>
    <message>
        <source>рисунок может содержать</source>
        <translation>a drawing can hold</translation>
    </message>
    <message>
        <source>поле «%1.file» должно быть строкой.</source>
        <translation>field “%1.file” must be a string.</translation>
    </message>
    <message>
        <source>фрагмент записи содержит</source>
        <translation>a recording fragment holds</translation>
    </message>
    <message>
        <source>в поле «%1.values» меньше %2 значений.</source>
        <translation>field “%1.values” has fewer than %2 values.</translation>
    </message>
    <message>
        <source>поле «%1.length» не согласуется с числом значений в «%1.values» и частотой «%1.rate».</source>
        <translation>field “%1.length” does not agree with the number of values in “%1.values” and the rate “%1.rate”.</translation>
    </message>
    <message>
        <source>таблица вмещает</source>
        <translation>a table holds</translation>
    </message>
    <message>
        <source>это не сеанс resam (поле «format» должно быть &quot;%1&quot;).</source>
        <translation>this is not a resam session (field “format” must be &quot;%1&quot;).</translation>
    </message>
    <message>
        <source>сеанс записан более новой версией программы (версия %1, а эта программа читает версию %2).</source>
        <translation>the session was written by a newer version of the program (version %1; this program reads version %2).</translation>
    </message>
    <message>
        <source>файл больше %1 МБ, сеанс не бывает так велик.</source>
        <translation>the file is larger than %1 MB; no session is that large.</translation>
    </message>
    <message>
        <source>это не текст JSON или он оборван (ошибка у знака %1).</source>
        <translation>this is not JSON text, or it is cut short (error at character %1).</translation>
    </message>
    <message>
        <source>в файле нет объекта сеанса.</source>
        <translation>the file holds no session object.</translation>
    </message>
</context>
<context>
    <name>SessionRecord</name>
    <message>
        <source>вкладка «page» (%1) не показывается при выбранном методе «method».</source>
        <translation>tab “page” (%1) is not shown with the chosen “method”.</translation>
    </message>
    <message>
        <source>вкладка «page» (%1) не показывается, пока поле «comparison» не true.</source>
        <translation>tab “page” (%1) is not shown unless field “comparison” is true.</translation>
    </message>
    <message>
        <source>значение поля «sampling.count» (%1) больше допустимого для метода (%2).</source>
        <translation>the value of field “sampling.count” (%1) exceeds the method&apos;s limit (%2).</translation>
    </message>
    <message>
        <source>в поле «drawing.values» %1 значений, а графический редактор вмещает не более %2.</source>
        <translation>field “drawing.values” has %1 values, but the diagram editor holds at most %2.</translation>
    </message>
    <message>
        <source>поле «drawing.last» должно быть больше поля «drawing.xmin».</source>
        <translation>field “drawing.last” must be greater than field “drawing.xmin”.</translation>
    </message>
</context>
<context>
    <name>SoundFile</name>
    <message>
        <source>это не звукозапись или запись в формате, который программа не читает.</source>
        <translation>this is not a sound recording, or its format is one the program does not read.</translation>
    </message>
    <message>
        <source>файл повреждён или оборван.</source>
        <translation>the file is damaged or cut short.</translation>
    </message>
    <message>
        <source>кодек, которым сделана запись, программа не читает.</source>
        <translation>the program does not read the codec the recording was made with.</translation>
    </message>
    <message>
        <source>файл не открывается (его нет или к нему нет доступа).</source>
        <translation>the file does not open (it is missing or not accessible).</translation>
    </message>
    <message>
        <source>файл повреждён, оборван или записан кодеком, который программа не читает.</source>
        <translation>the file is damaged, cut short or made with a codec the program does not read.</translation>
    </message>
    <message>
        <source>в записи нет ни одного канала.</source>
        <translation>the recording has no channel.</translation>
    </message>
    <message>
        <source>в записи %1 каналов, а программа читает не более %2.</source>
        <translation>the recording has %1 channels, but the program reads at most %2.</translation>
    </message>
    <message>
        <source>частота дискретизации %1 Гц вне пределов 1 … %2 Гц.</source>
        <translation>the sampling frequency %1 Hz is outside 1 … %2 Hz.</translation>
    </message>
    <message>
        <source>в записи нет ни одного отсчёта.</source>
        <translation>the recording has no sample.</translation>
    </message>
    <message>
        <source>в записи меньше %1 отсчётов, из них не выбрать фрагмент.</source>
        <translation>the recording has fewer than %1 samples, too few to choose a fragment from.</translation>
    </message>
    <message>
        <source>запись длится %1 мин, а программа читает записи не длиннее %2 минут.</source>
        <translation>the recording lasts %1 min, but the program reads recordings of at most %2 minutes.</translation>
    </message>
    <message>
        <source>в записи есть отсчёт, который не является конечным числом (кадр %1).</source>
        <translation>the recording has a sample that is not a finite number (frame %1).</translation>
    </message>
    <message>
        <source>файл оборван: прочитано %1 кадров из %2.</source>
        <translation>the file is cut short: read %1 frames of %2.</translation>
    </message>
    <message>
        <source>Не удаётся прочитать звуковой файл «%1»: %2</source>
        <translation>Cannot read the sound file “%1”: %2</translation>
    </message>
    <message>
        <source>файл пуст.</source>
        <translation>the file is empty.</translation>
    </message>
    <message>
        <source>фрагмент выходит за пределы записи (файл изменился после открытия?).</source>
        <translation>the fragment lies outside the recording (did the file change after it was opened?).</translation>
    </message>
    <message>
        <source>файл оборван.</source>
        <translation>the file is cut short.</translation>
    </message>
    <message>
        <source>в записи есть отсчёт, который не является конечным числом.</source>
        <translation>the recording has a sample that is not a finite number.</translation>
    </message>
    <message>
        <source>файл изменился после открытия.</source>
        <translation>the file changed after it was opened.</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>Лицензия: MIT.</source>
        <translation>Licence: MIT.</translation>
    </message>
    <message>
        <source>шрифты Liberation</source>
        <translation>Liberation fonts</translation>
    </message>
    <message>
        <source>формулы набраны MathJax</source>
        <translation>formulas typeset with MathJax</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Resam&lt;/b&gt;: восстановление аналогового сигнала по отсчётам&lt;/p&gt;&lt;p&gt;Версия %1&lt;/p&gt;&lt;p&gt;%2&lt;/p&gt;&lt;p&gt;Используются:&lt;/p&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Resam&lt;/b&gt;: rebuilding an analog signal from its samples&lt;/p&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;%2&lt;/p&gt;&lt;p&gt;Built with:&lt;/p&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
</context>
<context>
    <name>TAccessibleNames</name>
    <message>
        <source>Диаграмма</source>
        <translation>Diagram</translation>
    </message>
    <message>
        <source>Вверх</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Вниз</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>Вправо</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Влево</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Другие команды</source>
        <translation>More commands</translation>
    </message>
    <message>
        <source>Кнопка</source>
        <translation>Button</translation>
    </message>
    <message>
        <source>Рисунок</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>Вертикальная прокрутка</source>
        <translation>Vertical scroll bar</translation>
    </message>
    <message>
        <source>Горизонтальная прокрутка</source>
        <translation>Horizontal scroll bar</translation>
    </message>
    <message>
        <source>Заставка</source>
        <translation>Splash card</translation>
    </message>
    <message>
        <source>Вкладки</source>
        <translation>Tabs</translation>
    </message>
    <message>
        <source>Поле ввода</source>
        <translation>Input field</translation>
    </message>
    <message>
        <source>Таблица</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Ход вычисления</source>
        <translation>Calculation progress</translation>
    </message>
    <message>
        <source>Ползунок</source>
        <translation>Slider</translation>
    </message>
    <message>
        <source>Сдвиг границы диапазона</source>
        <translation>Range limit shift</translation>
    </message>
</context>
<context>
    <name>TCommandLine</name>
    <message>
        <source>ФАЙЛ</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>записать отчёт о занятии в ФАЙЛ: .pdf (лист A4) или .html (один файл)</source>
        <translation>write a report of the lesson to FILE: .pdf (A4 page) or .html (one file)</translation>
    </message>
    <message>
        <source>вывести сравнение методов: столбцы через табуляцию, числа с точкой</source>
        <translation>print the method comparison: tab-separated columns, numbers with a decimal point</translation>
    </message>
    <message>
        <source>ПАПКА</source>
        <translation>FOLDER</translation>
    </message>
    <message>
        <source>записать все диаграммы занятия в ПАПКУ</source>
        <translation>write all diagrams of the lesson to FOLDER</translation>
    </message>
    <message>
        <source>формат рисунков для --figures (по умолчанию svg)</source>
        <translation>picture format for --figures (svg by default)</translation>
    </message>
    <message>
        <source>записать данные всех диаграмм занятия в ПАПКУ (CSV)</source>
        <translation>write the data of all diagrams of the lesson to FOLDER (CSV)</translation>
    </message>
    <message>
        <source>показать эту справку</source>
        <translation>show this help</translation>
    </message>
    <message>
        <source>показать версию программы</source>
        <translation>show the program&apos;s version</translation>
    </message>
    <message>
        <source>язык программы на этот запуск: ru (русский) или en (английский)</source>
        <translation>the program&apos;s language for this run: ru (Russian) or en (English)</translation>
    </message>
    <message>
        <source>параметр --%1 указан дважды</source>
        <translation>option --%1 given twice</translation>
    </message>
    <message>
        <source>неизвестный язык: %1</source>
        <translation>unknown language: %1</translation>
    </message>
    <message>
        <source>--help и --version не сочетаются с другими параметрами</source>
        <translation>--help and --version do not combine with other options</translation>
    </message>
    <message>
        <source>--report, --compare и --figures/--csv не сочетаются</source>
        <translation>--report, --compare and --figures/--csv do not combine</translation>
    </message>
    <message>
        <source>--format задаётся вместе с --figures</source>
        <translation>--format goes with --figures</translation>
    </message>
    <message>
        <source>отчёт записывается в файл .pdf или .html</source>
        <translation>the report is written to a .pdf or .html file</translation>
    </message>
    <message>
        <source>неизвестный формат рисунков: %1</source>
        <translation>unknown picture format: %1</translation>
    </message>
    <message>
        <source>не указана папка</source>
        <translation>no folder given</translation>
    </message>
    <message>
        <source>указано больше одного файла занятия</source>
        <translation>more than one lesson file given</translation>
    </message>
    <message>
        <source>нужен один файл занятия .resam</source>
        <translation>one .resam lesson file is needed</translation>
    </message>
    <message>
        <source>Использование: resam [ЗАНЯТИЕ.resam] | --report ФАЙЛ.pdf|ФАЙЛ.html ЗАНЯТИЕ.resam | --compare ЗАНЯТИЕ.resam | --figures ПАПКА [--format svg|pdf|png] [--csv ПАПКА] ЗАНЯТИЕ.resam | --help | --version; [--lang ru|en] с любым из них</source>
        <translation>Usage: resam [LESSON.resam] | --report FILE.pdf|FILE.html LESSON.resam | --compare LESSON.resam | --figures FOLDER [--format svg|pdf|png] [--csv FOLDER] LESSON.resam | --help | --version; [--lang ru|en] with any of them</translation>
    </message>
    <message>
        <source>Resam %1: восстановление аналогового сигнала по отсчётам.

</source>
        <translation>Resam %1: rebuilding an analog signal from its samples.

</translation>
    </message>
    <message>
        <source>

Без параметров открывается окно программы (с файлом занятия - с этим занятием). Параметры работают без окна и без дисплея:
</source>
        <translation>

Without options the program&apos;s window opens (with a lesson file, on that lesson). The options work without a window and without a display:
</translation>
    </message>
    <message>
        <source>
Коды завершения: 0 - готово, 1 - файл занятия не прочитан, 2 - неверные параметры, 3 - результат не удалось записать.
</source>
        <translation>
Exit codes: 0 - done, 1 - the lesson file was not read, 2 - wrong options, 3 - the result could not be written.
</translation>
    </message>
    <message>
        <source>Не удаётся записать %1</source>
        <translation>Cannot write %1</translation>
    </message>
</context>
<context>
    <name>TComparisonPage</name>
    <message>
        <source>Метод</source>
        <translation>Method</translation>
    </message>
    <message>
        <source>Макс. ошибка</source>
        <translation>Max. error</translation>
    </message>
    <message>
        <source>СКО ошибки</source>
        <translation>RMS error</translation>
    </message>
    <message>
        <source>Отн. СКО, %</source>
        <translation>Rel. RMS, %</translation>
    </message>
    <message>
        <source>ОСШ, дБ</source>
        <translation>SNR, dB</translation>
    </message>
    <message>
        <source>Для табличного сигнала ошибку восстановления вычислить нельзя</source>
        <translation>The reconstruction error cannot be computed for a tabulated signal</translation>
    </message>
    <message>
        <source>не более 50 отсчётов</source>
        <translation>at most 50 samples</translation>
    </message>
    <message>
        <source>Сравнение методов</source>
        <translation>Method comparison</translation>
    </message>
    <message>
        <source>Копировать таблицу</source>
        <translation>Copy table</translation>
    </message>
    <message>
        <source>Таблица сравнения методов</source>
        <translation>Method comparison table</translation>
    </message>
    <message>
        <source>Относительная СКО ошибки</source>
        <translation>Relative RMS error</translation>
    </message>
    <message>
        <source>Наименьшая СКО ошибки</source>
        <translation>Lowest RMS error</translation>
    </message>
</context>
<context>
    <name>TDiagram</name>
    <message>
        <source>График</source>
        <translation>Plot</translation>
    </message>
    <message>
        <source>Диаграмма.bmp</source>
        <translation>Diagram.bmp</translation>
    </message>
    <message>
        <source>Diagram: Hе удалось создать график.</source>
        <translation>Diagram: Could not create the plot.</translation>
    </message>
    <message>
        <source>Diagram: Отказано в выделении памяти при создании графика.</source>
        <translation>Diagram: Memory refused when creating the plot.</translation>
    </message>
    <message>
        <source>Diagram: Попытка удалить базовый график отменена.</source>
        <translation>Diagram: Attempt to delete the base plot cancelled.</translation>
    </message>
</context>
<context>
    <name>TDiagramEditor</name>
    <message>
        <source>Редактор диаграмм: Не удалось установить режим редактирования. 
 Недостаточно памяти.</source>
        <translation>Diagram editor: Cannot enter editing mode. 
 Not enough memory.</translation>
    </message>
    <message>
        <source>Новый график</source>
        <translation>New plot</translation>
    </message>
    <message>
        <source>Выполение выбранной команды приведёт к удалению текущего графика. 
Продолжить?</source>
        <translation>The chosen command will delete the current plot. 
Continue?</translation>
    </message>
    <message>
        <source>Закрыть редактор диаграмм</source>
        <translation>Close the diagram editor</translation>
    </message>
    <message>
        <source>Выполение выбранной команды приведёт к отмене всех изменений, сделанных с момента последнего вызова редактора диаграмм. 
Продолжить?</source>
        <translation>The chosen command will undo all changes made since the diagram editor was last opened. 
Continue?</translation>
    </message>
    <message>
        <source>Редактор диаграмм</source>
        <translation>Diagram editor</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Создать...</source>
        <translation>New...</translation>
    </message>
    <message>
        <source>Открыть...</source>
        <translation>Open...</translation>
    </message>
    <message>
        <source>Сохранить...</source>
        <translation>Save...</translation>
    </message>
    <message>
        <source>Сохранить как рисунок</source>
        <translation>Save as picture</translation>
    </message>
    <message>
        <source>Закрыть редактор диаграмм...</source>
        <translation>Close the diagram editor...</translation>
    </message>
    <message>
        <source>Диаграмма</source>
        <translation>Diagram</translation>
    </message>
    <message>
        <source>Обработать данные</source>
        <translation>Use the data</translation>
    </message>
    <message>
        <source>Измерения</source>
        <translation>Measure</translation>
    </message>
    <message>
        <source>Пределы</source>
        <translation>Limits</translation>
    </message>
    <message>
        <source>Исходные пределы</source>
        <translation>Original limits</translation>
    </message>
    <message>
        <source>Копировать в буфер обмена</source>
        <translation>Copy to clipboard</translation>
    </message>
    <message>
        <source>Обработать график</source>
        <translation>Use the plot</translation>
    </message>
    <message>
        <source>Создать</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Графики (*.dkr)|*.dkr</source>
        <translation>Plots (*.dkr)|*.dkr</translation>
    </message>
    <message>
        <source>График.dkr</source>
        <translation>Plot.dkr</translation>
    </message>
    <message>
        <source>Сохранить рисунок</source>
        <translation>Save picture</translation>
    </message>
</context>
<context>
    <name>TDiagramFrame</name>
    <message>
        <source>Измерения</source>
        <translation>Measure</translation>
    </message>
    <message>
        <source>Пределы</source>
        <translation>Limits</translation>
    </message>
    <message>
        <source>Исходные пределы</source>
        <translation>Original limits</translation>
    </message>
    <message>
        <source>Увеличение</source>
        <translation>Enlarge</translation>
    </message>
    <message>
        <source>Сохранить рисунок</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>Копировать в буфер обмена</source>
        <translation>Copy to clipboard</translation>
    </message>
    <message>
        <source>Сохранить данные...</source>
        <translation>Save data...</translation>
    </message>
</context>
<context>
    <name>TDiagramIncrease</name>
    <message>
        <source>Измерения</source>
        <translation>Measure</translation>
    </message>
    <message>
        <source>Пределы</source>
        <translation>Limits</translation>
    </message>
    <message>
        <source>Исходные пределы</source>
        <translation>Original limits</translation>
    </message>
    <message>
        <source>Не показывать график при изменении пределов</source>
        <translation>Do not show the plot while changing the limits</translation>
    </message>
    <message>
        <source>Сохранить как рисунок</source>
        <translation>Save as picture</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Диаграмма</source>
        <translation>Diagram</translation>
    </message>
    <message>
        <source>Копировать в буфер обмена</source>
        <translation>Copy to clipboard</translation>
    </message>
</context>
<context>
    <name>TDiagramWindow</name>
    <message>
        <source>Сохранить данные...</source>
        <translation>Save data...</translation>
    </message>
</context>
<context>
    <name>TEditFloat</name>
    <message>
        <source>TEditFloat: Максимальное значение должно быть больше минимального.</source>
        <translation>TEditFloat: The maximum must be greater than the minimum.</translation>
    </message>
    <message>
        <source>TEditFloat: Минимальное значение должно быть меньше максимального.</source>
        <translation>TEditFloat: The minimum must be less than the maximum.</translation>
    </message>
</context>
<context>
    <name>TEditInt</name>
    <message>
        <source>TEditInt: Максимальное значение должно быть больше минимального.</source>
        <translation>TEditInt: The maximum must be greater than the minimum.</translation>
    </message>
    <message>
        <source>TEditInt: Минимальное значение должно быть меньше максимального.</source>
        <translation>TEditInt: The minimum must be less than the maximum.</translation>
    </message>
</context>
<context>
    <name>TErrorFiguresLabel</name>
    <message>
        <source>На интервале анализа: макс. ошибка = %1; СКО = %2</source>
        <translation>Over the analysis interval: max. error = %1; RMS = %2</translation>
    </message>
</context>
<context>
    <name>TFourierAnalyser</name>
    <message>
        <source>Модуль спектрального анализа: 
 Число отсчётов сигнала больше максимального (%1).</source>
        <translation>Spectrum analyser: 
 The signal has more samples than the maximum (%1).</translation>
    </message>
</context>
<context>
    <name>THelloForm</name>
    <message>
        <source>Лабораторная работа</source>
        <translation>Laboratory work</translation>
    </message>
    <message>
        <source>Восстановление аналоговых сигналов по их дискретным отсчётам</source>
        <translation>Reconstructing analog signals from their discrete samples</translation>
    </message>
    <message>
        <source>Автор: Кварнел</source>
        <translation>Author: Kvarnel</translation>
    </message>
    <message>
        <source>Тармин, 2015</source>
        <translation>Tarmin, 2015</translation>
    </message>
</context>
<context>
    <name>TKeeper</name>
    <message>
        <source>Keeper: Hулевое значение числа отсчётов при инициализации графика. Инициализация не выполнена.</source>
        <translation>Keeper: Zero sample count when initialising a plot. Initialisation not done.</translation>
    </message>
    <message>
        <source>DiagramKeeper: Неверно заданы минимальное и максимальное 
 значения аргумента при инициализации графика.</source>
        <translation>DiagramKeeper: Wrong minimum and maximum 
 argument values when initialising a plot.</translation>
    </message>
    <message>
        <source>Keeper:Попытка считать дискретный график как непрерывный</source>
        <translation>Keeper:Attempt to read a discrete plot as a continuous one</translation>
    </message>
    <message>
        <source>Keeper:Попытка считать непрерывный график как дискретный</source>
        <translation>Keeper:Attempt to read a continuous plot as a discrete one</translation>
    </message>
</context>
<context>
    <name>TLibForm</name>
    <message>
        <source>Библиотека видеосигналов</source>
        <translation>Pulse signal library</translation>
    </message>
    <message>
        <source>Сигнал</source>
        <translation>Signal</translation>
    </message>
    <message>
        <source>Следующий</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Предыдущий</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>Выбрать сигнал</source>
        <translation>Choose signal</translation>
    </message>
    <message>
        <source>Вид</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Сигнал и спектр</source>
        <translation>Signal and spectrum</translation>
    </message>
    <message>
        <source>Сигнал и АКФ</source>
        <translation>Signal and ACF</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Всё изображение</source>
        <translation>Whole picture</translation>
    </message>
    <message>
        <source>Только графики</source>
        <translation>Plots only</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Копировать в буфер</source>
        <translation>Copy to clipboard</translation>
    </message>
    <message>
        <source>Семейство сигналов</source>
        <translation>Signal family</translation>
    </message>
    <message>
        <source>t, с</source>
        <translation>t, s</translation>
    </message>
    <message>
        <source>s(t), В</source>
        <translation>s(t), V</translation>
    </message>
    <message>
        <source>         Амплитудный спектр</source>
        <translation>         Amplitude spectrum</translation>
    </message>
    <message>
        <source>f, Гц</source>
        <translation>f, Hz</translation>
    </message>
    <message>
        <source>|S(f)|, В/Гц</source>
        <translation>|S(f)|, V/Hz</translation>
    </message>
    <message>
        <source>Увеличение</source>
        <translation>Enlarge</translation>
    </message>
    <message>
        <source>Измерения</source>
        <translation>Measure</translation>
    </message>
    <message>
        <source>Файл не найден</source>
        <translation>File not found</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>  Параметры  </source>
        <translation>  Parameters  </translation>
    </message>
    <message>
        <source>τu [с] =</source>
        <translation>τu [s] =</translation>
    </message>
    <message>
        <source>τ0,01 [с] =</source>
        <translation>τ0.01 [s] =</translation>
    </message>
    <message>
        <source>V0 [В] =</source>
        <translation>V0 [V] =</translation>
    </message>
    <message>
        <source>Длительность, с</source>
        <translation>Duration, s</translation>
    </message>
    <message>
        <source>Амплитуда V0, В</source>
        <translation>Amplitude V0, V</translation>
    </message>
    <message>
        <source>Формулы сигнала и спектра: %1</source>
        <translation>Signal and spectrum formulas: %1</translation>
    </message>
    <message>
        <source>Рисунок.bmp</source>
        <translation>Picture.bmp</translation>
    </message>
    <message>
        <source>Степенные</source>
        <translation>Power-law</translation>
    </message>
    <message>
        <source>Степенные чётно-симметричные</source>
        <translation>Power-law, even</translation>
    </message>
    <message>
        <source>Степенные нечётно-симметричные</source>
        <translation>Power-law, odd</translation>
    </message>
    <message>
        <source>Экспоненциальные</source>
        <translation>Exponential</translation>
    </message>
    <message>
        <source>Экспоненциальные чётно-симметричные</source>
        <translation>Exponential, even</translation>
    </message>
    <message>
        <source>Экспоненциальные нечётно-симметричные</source>
        <translation>Exponential, odd</translation>
    </message>
    <message>
        <source>Гауссовские</source>
        <translation>Gaussian</translation>
    </message>
</context>
<context>
    <name>TListeningForm</name>
    <message>
        <source>Сигнал</source>
        <translation>Signal</translation>
    </message>
    <message>
        <source>Отсчёты</source>
        <translation>Samples</translation>
    </message>
    <message>
        <source>Восстановленный сигнал</source>
        <translation>Reconstructed signal</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Звук недоступен: в системе нет устройства вывода звука</source>
        <translation>No sound: the system has no audio output device</translation>
    </message>
    <message>
        <source>с</source>
        <translation>s</translation>
    </message>
    <message>
        <source>мс</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>мкс</source>
        <translation>µs</translation>
    </message>
    <message>
        <source>нс</source>
        <translation>ns</translation>
    </message>
    <message>
        <source>Прослушивание</source>
        <translation>Listening</translation>
    </message>
    <message>
        <source>Стоп</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Повторять</source>
        <translation>Repeat</translation>
    </message>
    <message>
        <source>Громкость</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Высота тона, Гц</source>
        <translation>Pitch, Hz</translation>
    </message>
    <message>
        <source>В сигнале есть нечисловые значения: они заменены тишиной</source>
        <translation>The signal has values that are not numbers: they are replaced by silence</translation>
    </message>
    <message>
        <source>Сохранить звук...</source>
        <translation>Save sound...</translation>
    </message>
    <message>
        <source>1 с сигнала = %1 звука</source>
        <translation>1 s of signal = %1 of sound</translation>
    </message>
    <message>
        <source>Сохранить звук</source>
        <translation>Save sound</translation>
    </message>
</context>
<context>
    <name>TNumericEdit</name>
    <message>
        <source>Введённое значение параметра меньше минимально-допустимого.
 Произведена коррекция.</source>
        <translation>The value entered is below the permitted minimum.
 It has been corrected.</translation>
    </message>
    <message>
        <source>Введённое значение параметра меньше минимально-допустимого.
 Прежнее значение параметра восстановлено.</source>
        <translation>The value entered is below the permitted minimum.
 The previous value has been restored.</translation>
    </message>
    <message>
        <source>Введённое значение параметра больше максимально-допустимого.
 Произведена коррекция.</source>
        <translation>The value entered is above the permitted maximum.
 It has been corrected.</translation>
    </message>
    <message>
        <source>Введённое значение параметра больше максимально-допустимого.
 Прежнее значение параметра восстановлено.</source>
        <translation>The value entered is above the permitted maximum.
 The previous value has been restored.</translation>
    </message>
    <message>
        <source>Строка ввода имеет некорректный формат или пуста. 
 Произведена коррекция.</source>
        <translation>The input is malformed or empty. 
 It has been corrected.</translation>
    </message>
    <message>
        <source>Строка ввода имеет некорректный формат или пуста. 
 Значение параметра восстановлено.</source>
        <translation>The input is malformed or empty. 
 The parameter&apos;s value has been restored.</translation>
    </message>
</context>
<context>
    <name>TParameterSliders</name>
    <message>
        <source>Количество отсчётов на интервале анализа</source>
        <translation>Number of samples over the analysis interval</translation>
    </message>
    <message>
        <source>Период дискретизации сигнала</source>
        <translation>Signal sampling period</translation>
    </message>
</context>
<context>
    <name>TPicViewerForm</name>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Рисунок в Resam: описание порождающей фукнции </source>
        <translation>Picture in Resam: generating function </translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>TPolyGarmForm</name>
    <message>
        <source>Полигармонический сигнал</source>
        <translation>Polyharmonic signal</translation>
    </message>
    <message>
        <source>Номер
гармоники</source>
        <translation>Harmonic
number</translation>
    </message>
    <message>
        <source>Статус</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Амплитуда, В</source>
        <translation>Amplitude, V</translation>
    </message>
    <message>
        <source>Частота</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>Начальная фаза</source>
        <translation>Initial phase</translation>
    </message>
    <message>
        <source>рад/с</source>
        <translation>rad/s</translation>
    </message>
    <message>
        <source>Гц</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>рад</source>
        <translation>rad</translation>
    </message>
    <message>
        <source>град</source>
        <translation>deg</translation>
    </message>
    <message>
        <source>вкл</source>
        <translation>on</translation>
    </message>
    <message>
        <source>Готово</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Закончить ввод и перейти к вычислениям</source>
        <translation>Finish input and go on to the calculations</translation>
    </message>
    <message>
        <source>Случайный</source>
        <translation>Random</translation>
    </message>
    <message>
        <source>Ввести случайный набор параметров полигармонического сигнала</source>
        <translation>Enter a random set of polyharmonic signal parameters</translation>
    </message>
    <message>
        <source>Прямоугольный</source>
        <translation>Square</translation>
    </message>
    <message>
        <source>Ввести первые 10 гармоник прямоугольного периодического сигнала</source>
        <translation>Enter the first 10 harmonics of a periodic square wave</translation>
    </message>
    <message>
        <source>Пилообразный</source>
        <translation>Sawtooth</translation>
    </message>
    <message>
        <source>Ввести первые десять гармоник периодического пилообразного сигнала</source>
        <translation>Enter the first ten harmonics of a periodic sawtooth wave</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Закрыть окно с отменой ввода полигармонического сигнала</source>
        <translation>Close the window, discarding the polyharmonic signal input</translation>
    </message>
</context>
<context>
    <name>TPreFilterForm</name>
    <message>
        <source>Сигнал содержит нечисловые значения: фильтр не применён</source>
        <translation>The signal holds values that are not numbers: the filter was not applied</translation>
    </message>
    <message>
        <source>Фильтр перед дискретизацией</source>
        <translation>Pre-sampling filter</translation>
    </message>
    <message>
        <source>Тип фильтра</source>
        <translation>Filter type</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Идеальный ФНЧ</source>
        <translation>Ideal low-pass</translation>
    </message>
    <message>
        <source>Баттерворта</source>
        <translation>Butterworth</translation>
    </message>
    <message>
        <source>RC-цепь</source>
        <translation>RC circuit</translation>
    </message>
    <message>
        <source>Порядок</source>
        <translation>Order</translation>
    </message>
    <message>
        <source>Частота среза</source>
        <translation>Cutoff frequency</translation>
    </message>
    <message>
        <source>fд/2 (следует за частотой дискретизации)</source>
        <translation>fs/2 (follows the sampling frequency)</translation>
    </message>
    <message>
        <source>задана, Гц</source>
        <translation>fixed, Hz</translation>
    </message>
    <message>
        <source>Ошибка относительно отфильтрованного сигнала</source>
        <translation>Error against the filtered signal</translation>
    </message>
    <message>
        <source>Применить</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>TRecordingForm</name>
    <message>
        <source>Звукозаписи (*.wav *.flac *.ogg *.aif *.aiff)|*.wav;*.flac;*.ogg;*.aif;*.aiff|Данные CSV (*.csv *.txt)|*.csv;*.txt</source>
        <translation>Sound recordings (*.wav *.flac *.ogg *.aif *.aiff)|*.wav;*.flac;*.ogg;*.aif;*.aiff|CSV data (*.csv *.txt)|*.csv;*.txt</translation>
    </message>
    <message>
        <source>Запись сигнала</source>
        <translation>Signal recording</translation>
    </message>
    <message>
        <source>Файл:</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>Частота дискретизации записи:</source>
        <translation>Recording sampling frequency:</translation>
    </message>
    <message>
        <source>Каналы:</source>
        <translation>Channels:</translation>
    </message>
    <message>
        <source>Длительность:</source>
        <translation>Duration:</translation>
    </message>
    <message>
        <source>Канал:</source>
        <translation>Channel:</translation>
    </message>
    <message>
        <source>Частота дискретизации ряда, Гц:</source>
        <translation>Series sampling frequency, Hz:</translation>
    </message>
    <message>
        <source>Начало фрагмента, мс</source>
        <translation>Fragment start, ms</translation>
    </message>
    <message>
        <source>Длительность фрагмента, мс</source>
        <translation>Fragment length, ms</translation>
    </message>
    <message>
        <source>Выбрать сигнал</source>
        <translation>Choose signal</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Открыть запись</source>
        <translation>Open recording</translation>
    </message>
    <message>
        <source>%1 Гц</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>%1 с</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Запись</source>
        <translation>Recording</translation>
    </message>
    <message>
        <source>t,c</source>
        <translation>t,s</translation>
    </message>
    <message>
        <source>s(t),В</source>
        <translation>s(t),V</translation>
    </message>
    <message>
        <source>Левый</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Правый</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Сумма каналов</source>
        <translation>Sum of channels</translation>
    </message>
</context>
<context>
    <name>TResamEngine</name>
    <message>
        <source>Интерполяция многочленом Лагранжа доступна только при количестве отсчётов не более %1</source>
        <translation>Lagrange polynomial interpolation is available only for at most %1 samples</translation>
    </message>
    <message>
        <source>Количество отсчётов должно быть не более %1</source>
        <translation>The number of samples must not exceed %1</translation>
    </message>
    <message>
        <source>Строка ввода имеет некорректный формат или пуста. 
 Значение параметра восстановлено.</source>
        <translation>The input is malformed or empty. 
 The parameter&apos;s value has been restored.</translation>
    </message>
    <message>
        <source>Введённое значение параметра меньше минимально-допустимого.
 Произведена коррекция.</source>
        <translation>The value entered is below the permitted minimum.
 It has been corrected.</translation>
    </message>
</context>
<context>
    <name>TResamForm</name>
    <message>
        <source>Ряд Котельникова</source>
        <translation>Kotelnikov series</translation>
    </message>
    <message>
        <source>Ряд Котельникова - Кварнел, Тармин, 2015г.</source>
        <translation>Kotelnikov series - Kvarnel, Tarmin, 2015</translation>
    </message>
    <message>
        <source>Кот.</source>
        <translation>Kot.</translation>
    </message>
    <message>
        <source>Многочлен Лагранжа</source>
        <translation>Lagrange polynomial</translation>
    </message>
    <message>
        <source>Интерполяционный многочлен Лагранжа - Кварнел, Тармин, 2015г.</source>
        <translation>Lagrange interpolating polynomial - Kvarnel, Tarmin, 2015</translation>
    </message>
    <message>
        <source>Лагр.</source>
        <translation>Lagr.</translation>
    </message>
    <message>
        <source>Локальная кусочно-полиномиальная, порядок: 0</source>
        <translation>Local piecewise polynomial, order: 0</translation>
    </message>
    <message>
        <source>Локальная полиномиальная интерполяция, порядок: 0 - Кварнел, Тармин, 2015г.</source>
        <translation>Local polynomial interpolation, order: 0 - Kvarnel, Tarmin, 2015</translation>
    </message>
    <message>
        <source>П0</source>
        <translation>P0</translation>
    </message>
    <message>
        <source>Локальная кусочно-полиномиальная, порядок: 1</source>
        <translation>Local piecewise polynomial, order: 1</translation>
    </message>
    <message>
        <source>Локальная полиномиальная интерполяция, порядок: 1 - Кварнел, Тармин, 2015г.</source>
        <translation>Local polynomial interpolation, order: 1 - Kvarnel, Tarmin, 2015</translation>
    </message>
    <message>
        <source>П1</source>
        <translation>P1</translation>
    </message>
    <message>
        <source>Локальная кусочно-полиномиальная, порядок: 2</source>
        <translation>Local piecewise polynomial, order: 2</translation>
    </message>
    <message>
        <source>Локальная полиномиальная интерполяция, порядок: 2 - Кварнел, Тармин, 2015г.</source>
        <translation>Local polynomial interpolation, order: 2 - Kvarnel, Tarmin, 2015</translation>
    </message>
    <message>
        <source>П2</source>
        <translation>P2</translation>
    </message>
    <message>
        <source>Локальная кусочно-полиномиальная, порядок: 3</source>
        <translation>Local piecewise polynomial, order: 3</translation>
    </message>
    <message>
        <source>Локальная полиномиальная интерполяция, порядок: 3 - Кварнел, Тармин, 2015г.</source>
        <translation>Local polynomial interpolation, order: 3 - Kvarnel, Tarmin, 2015</translation>
    </message>
    <message>
        <source>П3</source>
        <translation>P3</translation>
    </message>
    <message>
        <source>Локальная сплайновая, порядок: 1, степень гладкости: 1</source>
        <translation>Local spline, order: 1, smoothness: 1</translation>
    </message>
    <message>
        <source>Локальная сплайновая интерполяция, порядок: 1, степень гладкости: 1 - Кварнел, Тармин, 2015г.</source>
        <translation>Local spline interpolation, order: 1, smoothness: 1 - Kvarnel, Tarmin, 2015</translation>
    </message>
    <message>
        <source>С1,1</source>
        <translation>S1,1</translation>
    </message>
    <message>
        <source>Локальная сплайновая, порядок: 2, степень гладкости: 1</source>
        <translation>Local spline, order: 2, smoothness: 1</translation>
    </message>
    <message>
        <source>Локальная сплайновая интерполяция, порядок: 2, степень гладкости: 1 - Кварнел, Тармин, 2015г.</source>
        <translation>Local spline interpolation, order: 2, smoothness: 1 - Kvarnel, Tarmin, 2015</translation>
    </message>
    <message>
        <source>С2,1</source>
        <translation>S2,1</translation>
    </message>
    <message>
        <source>Локальная сплайновая, порядок: 3, степень гладкости: 1</source>
        <translation>Local spline, order: 3, smoothness: 1</translation>
    </message>
    <message>
        <source>Локальная сплайновая интерполяция, порядок: 3, степень гладкости: 1 - Кварнел, Тармин, 2015г.</source>
        <translation>Local spline interpolation, order: 3, smoothness: 1 - Kvarnel, Tarmin, 2015</translation>
    </message>
    <message>
        <source>С3,1</source>
        <translation>S3,1</translation>
    </message>
    <message>
        <source>Локальная сплайновая, порядок: 1, степень гладкости: 2</source>
        <translation>Local spline, order: 1, smoothness: 2</translation>
    </message>
    <message>
        <source>Локальная сплайновая интерполяция, порядок: 1, степень гладкости: 2 - Кварнел, Тармин, 2015г.</source>
        <translation>Local spline interpolation, order: 1, smoothness: 2 - Kvarnel, Tarmin, 2015</translation>
    </message>
    <message>
        <source>С1,2</source>
        <translation>S1,2</translation>
    </message>
    <message>
        <source>Локальная сплайновая, порядок: 2, степень гладкости: 2</source>
        <translation>Local spline, order: 2, smoothness: 2</translation>
    </message>
    <message>
        <source>Локальная сплайновая интерполяция, порядок: 2, степень гладкости: 2 - Кварнел, Тармин, 2015г.</source>
        <translation>Local spline interpolation, order: 2, smoothness: 2 - Kvarnel, Tarmin, 2015</translation>
    </message>
    <message>
        <source>С2,2</source>
        <translation>S2,2</translation>
    </message>
    <message>
        <source>Локальная сплайновая, порядок: 3, степень гладкости: 2</source>
        <translation>Local spline, order: 3, smoothness: 2</translation>
    </message>
    <message>
        <source>Локальная сплайновая интерполяция, порядок: 3, степень гладкости: 2 - Кварнел, Тармин, 2015г.</source>
        <translation>Local spline interpolation, order: 3, smoothness: 2 - Kvarnel, Tarmin, 2015</translation>
    </message>
    <message>
        <source>С3,2</source>
        <translation>S3,2</translation>
    </message>
    <message>
        <source>Сравнение методов</source>
        <translation>Method comparison</translation>
    </message>
    <message>
        <source>Сравнить все методы восстановления</source>
        <translation>Compare all reconstruction methods</translation>
    </message>
    <message>
        <source>Увеличение</source>
        <translation>Enlarge</translation>
    </message>
    <message>
        <source>Сохранить рисунок</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>Копировать в буфер обмена</source>
        <translation>Copy to clipboard</translation>
    </message>
    <message>
        <source>Графическое задание сигнала</source>
        <translation>Draw the signal</translation>
    </message>
    <message>
        <source>Табличное задание сигнала</source>
        <translation>Type the signal as a table</translation>
    </message>
    <message>
        <source>Библиотека сигналов</source>
        <translation>Signal library</translation>
    </message>
    <message>
        <source>Фрагмент полигармонического сигнала</source>
        <translation>Polyharmonic signal fragment</translation>
    </message>
    <message>
        <source>Открыть запись</source>
        <translation>Open recording</translation>
    </message>
    <message>
        <source>Показывать графики для аналогового сигнала</source>
        <translation>Show plots for the analog signal</translation>
    </message>
    <message>
        <source>Показывать графики для  дискретного сигнала</source>
        <translation>Show plots for the discrete signal</translation>
    </message>
    <message>
        <source>Показывать графики для интерполирующей функции</source>
        <translation>Show plots for the interpolating function</translation>
    </message>
    <message>
        <source>Показывать основную часть спектра</source>
        <translation>Show the main part of the spectrum</translation>
    </message>
    <message>
        <source>Показывать один период спектра дискретного сигнала</source>
        <translation>Show one period of the discrete signal&apos;s spectrum</translation>
    </message>
    <message>
        <source>Показывать два периода спектра дискретного сигнала</source>
        <translation>Show two periods of the discrete signal&apos;s spectrum</translation>
    </message>
    <message>
        <source>Показывать четыре периода спектра дискретного сигнала</source>
        <translation>Show four periods of the discrete signal&apos;s spectrum</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Сигнал и интерполирующая функция</source>
        <translation>Signal and interpolating function</translation>
    </message>
    <message>
        <source>Сигнал не задан</source>
        <translation>No signal given</translation>
    </message>
    <message>
        <source>Ошибка восстановления  и спектр</source>
        <translation>Reconstruction error and spectrum</translation>
    </message>
    <message>
        <source>Порождающая функция</source>
        <translation>Generating function</translation>
    </message>
    <message>
        <source>Базисные функции</source>
        <translation>Basis functions</translation>
    </message>
    <message>
        <source>   Параметры и описание   </source>
        <translation>   Parameters and description   </translation>
    </message>
    <message>
        <source>  Количество отсчётов N  </source>
        <translation>  Number of samples N  </translation>
    </message>
    <message>
        <source>Сигнал</source>
        <translation>Signal</translation>
    </message>
    <message>
        <source>t,c</source>
        <translation>t,s</translation>
    </message>
    <message>
        <source>Амплитудный спектр</source>
        <translation>Amplitude spectrum</translation>
    </message>
    <message>
        <source>Ошибка восстановления сигнала</source>
        <translation>Signal reconstruction error</translation>
    </message>
    <message>
        <source>t, c</source>
        <translation>t, s</translation>
    </message>
    <message>
        <source>Спектр порождающей функции</source>
        <translation>Generating function spectrum</translation>
    </message>
    <message>
        <source>Коэффициент искажений</source>
        <translation>Distortion factor</translation>
    </message>
    <message>
        <source>Базисные функции многочлена Лагранжа</source>
        <translation>Lagrange polynomial basis functions</translation>
    </message>
    <message>
        <source>Копировать параметры</source>
        <translation>Copy parameters</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Фильтр перед дискретизацией...</source>
        <translation>Pre-sampling filter...</translation>
    </message>
    <message>
        <source>Прослушать...</source>
        <translation>Listen...</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Исследование</source>
        <translation>Study</translation>
    </message>
    <message>
        <source>Задать графически</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>Задать таблично</source>
        <translation>Type as a table</translation>
    </message>
    <message>
        <source>Открыть запись...</source>
        <translation>Open recording...</translation>
    </message>
    <message>
        <source>Метод интерполяции</source>
        <translation>Interpolation method</translation>
    </message>
    <message>
        <source>Настройка</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Модуль спектрального анализа</source>
        <translation>Spectrum analyser</translation>
    </message>
    <message>
        <source>Сетка дискретизации</source>
        <translation>Sampling grid</translation>
    </message>
    <message>
        <source>Привязать к нулевой абсциссе</source>
        <translation>Align with the zero abscissa</translation>
    </message>
    <message>
        <source>Привязать к началу интервала анализа</source>
        <translation>Align with the start of the analysis interval</translation>
    </message>
    <message>
        <source>Ввод парметров</source>
        <translation>Parameter input</translation>
    </message>
    <message>
        <source>Вводить количество отсчётов</source>
        <translation>Enter the number of samples</translation>
    </message>
    <message>
        <source>Вводить период дискретизации</source>
        <translation>Enter the sampling period</translation>
    </message>
    <message>
        <source>Язык</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Русский</source>
        <translation>Russian</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Анализ порождающей функции</source>
        <translation>Generating function analysis</translation>
    </message>
    <message>
        <source>Период дискретизации 0,01</source>
        <translation>Sampling period 0.01</translation>
    </message>
    <message>
        <source>Период дискретизации 0,001</source>
        <translation>Sampling period 0.001</translation>
    </message>
    <message>
        <source>Период дискретизации 0,0001</source>
        <translation>Sampling period 0.0001</translation>
    </message>
    <message>
        <source>Детализация спектра низкая</source>
        <translation>Spectrum detail: low</translation>
    </message>
    <message>
        <source>Детализация спектра средняя</source>
        <translation>Spectrum detail: medium</translation>
    </message>
    <message>
        <source>Детализация спектра высокая</source>
        <translation>Spectrum detail: high</translation>
    </message>
    <message>
        <source>Побыстрее</source>
        <translation>Faster</translation>
    </message>
    <message>
        <source>Поточнее</source>
        <translation>More accurate</translation>
    </message>
    <message>
        <source>Результат</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Графики для аналогового сигнала</source>
        <translation>Plots for the analog signal</translation>
    </message>
    <message>
        <source>Графики для дискретного сигнала</source>
        <translation>Plots for the discrete signal</translation>
    </message>
    <message>
        <source>Графики для интерполирующей фукнции</source>
        <translation>Plots for the interpolating function</translation>
    </message>
    <message>
        <source>Круговая частота</source>
        <translation>Angular frequency</translation>
    </message>
    <message>
        <source>Циклическая частота</source>
        <translation>Cyclic frequency</translation>
    </message>
    <message>
        <source>Основная часть спектра</source>
        <translation>Main part of the spectrum</translation>
    </message>
    <message>
        <source>Один период спектра дискретного сигнала</source>
        <translation>One period of the discrete signal&apos;s spectrum</translation>
    </message>
    <message>
        <source>Два периода спектра дискретного сигнала</source>
        <translation>Two periods of the discrete signal&apos;s spectrum</translation>
    </message>
    <message>
        <source>Четыре периода спектра дискретного сигнала</source>
        <translation>Four periods of the discrete signal&apos;s spectrum</translation>
    </message>
    <message>
        <source>Легенда на диаграммах</source>
        <translation>Legend on diagrams</translation>
    </message>
    <message>
        <source> Параметры  </source>
        <translation> Parameters  </translation>
    </message>
    <message>
        <source>Количество отсчётов:</source>
        <translation>Number of samples:</translation>
    </message>
    <message>
        <source>Количество отсчётов на интервале анализа</source>
        <translation>Number of samples over the analysis interval</translation>
    </message>
    <message>
        <source>Период дискретизации T[c]:</source>
        <translation>Sampling period T [s]:</translation>
    </message>
    <message>
        <source>Период дискретизации сигнала</source>
        <translation>Signal sampling period</translation>
    </message>
    <message>
        <source>Интервал анализа [с]:</source>
        <translation>Analysis interval [s]:</translation>
    </message>
    <message>
        <source>Интервал, на котором берутся отсчёты аналогового сигнала</source>
        <translation>Interval over which the analog signal is sampled</translation>
    </message>
    <message>
        <source>Левая граница интервала анализа сигнала</source>
        <translation>Left end of the signal analysis interval</translation>
    </message>
    <message>
        <source>Правая граница интервала анализа сигнала</source>
        <translation>Right end of the signal analysis interval</translation>
    </message>
    <message>
        <source>Ввод</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Частота дискретизации:</source>
        <translation>Sampling frequency:</translation>
    </message>
    <message>
        <source>д</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Максимальная частота в спектре сигнала:</source>
        <translation>Highest frequency in the signal spectrum:</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Максимальный период дискретизации:</source>
        <translation>Largest sampling period:</translation>
    </message>
    <message>
        <source>Минимальное число отсчётов:</source>
        <translation>Least number of samples:</translation>
    </message>
    <message>
        <source>Отчёт...</source>
        <translation>Report...</translation>
    </message>
    <message>
        <source>Шум и квантование отсчётов...</source>
        <translation>Sample noise and quantisation...</translation>
    </message>
    <message>
        <source>Показывать сигнал-двойник</source>
        <translation>Show the alias signal</translation>
    </message>
    <message>
        <source>Отсчёты из точного сигнала</source>
        <translation>Samples from the exact signal</translation>
    </message>
    <message>
        <source>Сохранить сеанс...</source>
        <translation>Save session...</translation>
    </message>
    <message>
        <source>Открыть сеанс...</source>
        <translation>Open session...</translation>
    </message>
    <message>
        <source>Недавние сеансы</source>
        <translation>Recent sessions</translation>
    </message>
    <message>
        <source>Последний сеанс</source>
        <translation>Last session</translation>
    </message>
    <message>
        <source>Для табличного сигнала фильтр не применяется</source>
        <translation>The filter does not apply to a tabulated signal</translation>
    </message>
    <message>
        <source>Доступно для полигармонического сигнала</source>
        <translation>Available for a polyharmonic signal</translation>
    </message>
    <message>
        <source>Спектр сигнала |S(%1)|, В/Гц</source>
        <translation>Signal spectrum |S(%1)|, V/Hz</translation>
    </message>
    <message>
        <source>Спектр дискретного сигнала T|Sд(%1)|, В/Гц</source>
        <translation>Discrete signal spectrum T|Ss(%1)|, V/Hz</translation>
    </message>
    <message>
        <source>Спектр интерполирующей функции Ψ(%1), В/Гц</source>
        <translation>Interpolating function spectrum Ψ(%1), V/Hz</translation>
    </message>
    <message>
        <source>Сигнал, В</source>
        <translation>Signal, V</translation>
    </message>
    <message>
        <source>Интерполирующая функция, В</source>
        <translation>Interpolating function, V</translation>
    </message>
    <message>
        <source>Отсчёты, В</source>
        <translation>Samples, V</translation>
    </message>
    <message>
        <source>Ошибка восстановления, В</source>
        <translation>Reconstruction error, V</translation>
    </message>
    <message>
        <source>Порождающая функция φ0</source>
        <translation>Generating function φ0</translation>
    </message>
    <message>
        <source>ωT, рад</source>
        <translation>ωT, rad</translation>
    </message>
    <message>
        <source>ω, рад/с</source>
        <translation>ω, rad/s</translation>
    </message>
    <message>
        <source>f, Гц</source>
        <translation>f, Hz</translation>
    </message>
    <message>
        <source>идеальный ФНЧ</source>
        <translation>ideal low-pass</translation>
    </message>
    <message>
        <source>Баттерворта, порядок %1</source>
        <translation>Butterworth, order %1</translation>
    </message>
    <message>
        <source>RC-цепь</source>
        <translation>RC circuit</translation>
    </message>
    <message>
        <source>Фильтр: %1, fср = %2 Гц</source>
        <translation>Filter: %1, fc = %2 Hz</translation>
    </message>
    <message>
        <source>N уменьшено до %1: многочлен Лагранжа строится не более чем по %1 отсчётам</source>
        <translation>N reduced to %1: the Lagrange polynomial is built on at most %1 samples</translation>
    </message>
    <message>
        <source>N меньше Nmin: возможно наложение спектров</source>
        <translation>N below Nmin: aliasing is possible</translation>
    </message>
    <message>
        <source>Отсчёты</source>
        <translation>Samples</translation>
    </message>
    <message>
        <source>Сигнал-двойник</source>
        <translation>Alias signal</translation>
    </message>
    <message>
        <source>Слагаемые</source>
        <translation>Terms</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Отфильтрованный сигнал</source>
        <translation>Filtered signal</translation>
    </message>
    <message>
        <source>Интерполирующая функция</source>
        <translation>Interpolating function</translation>
    </message>
    <message>
        <source>Спектр сигнала</source>
        <translation>Signal spectrum</translation>
    </message>
    <message>
        <source>Спектр дискретного сигнала</source>
        <translation>Discrete signal spectrum</translation>
    </message>
    <message>
        <source>Спектр интерполирующей функции</source>
        <translation>Interpolating function spectrum</translation>
    </message>
    <message>
        <source>АЧХ фильтра</source>
        <translation>Filter magnitude response</translation>
    </message>
    <message>
        <source>f,Гц</source>
        <translation>f,Hz</translation>
    </message>
    <message>
        <source>%1 Гц</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>Наложения спектров нет: fд = %1 &gt; 2·%2</source>
        <translation>No aliasing: fs = %1 &gt; 2·%2</translation>
    </message>
    <message>
        <source>Наложение спектров: %1</source>
        <translation>Aliasing: %1</translation>
    </message>
    <message>
        <source>Шум: ОСШ %1 дБ</source>
        <translation>Noise: SNR %1 dB</translation>
    </message>
    <message>
        <source>квантование: %1 бит</source>
        <translation>quantisation: %1 bits</translation>
    </message>
    <message>
        <source>Квантование: %1 бит</source>
        <translation>Quantisation: %1 bits</translation>
    </message>
    <message>
        <source>Ошибка относительно отфильтрованного сигнала</source>
        <translation>Error against the filtered signal</translation>
    </message>
    <message>
        <source> = %1 рад/с</source>
        <translation> = %1 rad/s</translation>
    </message>
    <message>
        <source>fm = %1 Гц</source>
        <translation>fm = %1 Hz</translation>
    </message>
    <message>
        <source>Tmax = %1 c</source>
        <translation>Tmax = %1 s</translation>
    </message>
    <message>
        <source>fд = %1 Гц</source>
        <translation>fs = %1 Hz</translation>
    </message>
    <message>
        <source>Рисунок в resam: Базисные функции Лагранжа</source>
        <translation>Picture in resam: Lagrange basis functions</translation>
    </message>
    <message>
        <source>Рисунок в Resam: описание порождающей фукнции</source>
        <translation>Picture in Resam: generating function</translation>
    </message>
    <message>
        <source>Кварнел: Графическое задание сигнала</source>
        <translation>Kvarnel: Drawing the signal</translation>
    </message>
    <message>
        <source>Кварнел: Табличное задание сигнала</source>
        <translation>Kvarnel: Signal as a table</translation>
    </message>
    <message>
        <source>Отчёт: восстановление сигнала по отсчётам</source>
        <translation>Report: rebuilding a signal from its samples</translation>
    </message>
    <message>
        <source>Отчёт PDF (*.pdf)|*.pdf|Отчёт HTML (*.html)|*.html</source>
        <translation>PDF report (*.pdf)|*.pdf|HTML report (*.html)|*.html</translation>
    </message>
    <message>
        <source>да</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>no</translation>
    </message>
    <message>
        <source>τ, с</source>
        <translation>τ, s</translation>
    </message>
    <message>
        <source>V0, В</source>
        <translation>V0, V</translation>
    </message>
    <message>
        <source>левый</source>
        <translation>left</translation>
    </message>
    <message>
        <source>правый</source>
        <translation>right</translation>
    </message>
    <message>
        <source>сумма каналов</source>
        <translation>sum of channels</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Канал</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>Частота дискретизации записи, Гц</source>
        <translation>Recording sampling frequency, Hz</translation>
    </message>
    <message>
        <source>Начало фрагмента, мс</source>
        <translation>Fragment start, ms</translation>
    </message>
    <message>
        <source>Длительность фрагмента, мс</source>
        <translation>Fragment length, ms</translation>
    </message>
    <message>
        <source>№</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Амплитуда, В</source>
        <translation>Amplitude, V</translation>
    </message>
    <message>
        <source>Частота, Гц</source>
        <translation>Frequency, Hz</translation>
    </message>
    <message>
        <source>Частота, рад/с</source>
        <translation>Frequency, rad/s</translation>
    </message>
    <message>
        <source>Фаза, град</source>
        <translation>Phase, deg</translation>
    </message>
    <message>
        <source>Фаза, рад</source>
        <translation>Phase, rad</translation>
    </message>
    <message>
        <source>Включена</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Параметр</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Отчёт</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>Отчёт.pdf</source>
        <translation>Report.pdf</translation>
    </message>
    <message>
        <source>Библиотека сигналов: %1</source>
        <translation>Signal library: %1</translation>
    </message>
    <message>
        <source>Фрагмент полигармонического сигнала, гармоники:</source>
        <translation>Polyharmonic signal fragment, harmonics:</translation>
    </message>
    <message>
        <source>Задан графически: %1 значений</source>
        <translation>Drawn: %1 values</translation>
    </message>
    <message>
        <source>Задан таблично: %1 значений</source>
        <translation>Typed as a table: %1 values</translation>
    </message>
    <message>
        <source>Фрагмент звукозаписи:</source>
        <translation>Sound recording fragment:</translation>
    </message>
    <message>
        <source>Дискретизация</source>
        <translation>Sampling</translation>
    </message>
    <message>
        <source>Сетка дискретизации: %1</source>
        <translation>Sampling grid: %1</translation>
    </message>
    <message>
        <source>Сигнал, отсчёты и интерполирующая функция</source>
        <translation>Signal, samples and interpolating function</translation>
    </message>
    <message>
        <source>Спектры и ошибка восстановления</source>
        <translation>Spectra and reconstruction error</translation>
    </message>
    <message>
        <source>Спектры</source>
        <translation>Spectra</translation>
    </message>
    <message>
        <source>Условия исследования</source>
        <translation>Study conditions</translation>
    </message>
    <message>
        <source>Шум и квантование отсчётов: нет</source>
        <translation>Sample noise and quantisation: none</translation>
    </message>
    <message>
        <source>Фильтр: нет</source>
        <translation>Filter: none</translation>
    </message>
    <message>
        <source>Отсчёты из точного сигнала: %1</source>
        <translation>Samples from the exact signal: %1</translation>
    </message>
    <message>
        <source>s(t),В</source>
        <translation>s(t),V</translation>
    </message>
    <message>
        <source>окна источника сигнала нет.</source>
        <translation>there is no signal source window.</translation>
    </message>
    <message>
        <source>пределы рисунка «drawing.xmin» … «drawing.ymax» не может показать графический редактор.</source>
        <translation>the diagram editor cannot show the drawing&apos;s limits “drawing.xmin” … “drawing.ymax”.</translation>
    </message>
</context>
<context>
    <name>TSampleNoiseForm</name>
    <message>
        <source>%1 дБ</source>
        <translation>%1 dB</translation>
    </message>
    <message>
        <source>Шум и квантование отсчётов</source>
        <translation>Sample noise and quantisation</translation>
    </message>
    <message>
        <source>Добавить шум</source>
        <translation>Add noise</translation>
    </message>
    <message>
        <source>ОСШ, дБ</source>
        <translation>SNR, dB</translation>
    </message>
    <message>
        <source>Начальное число</source>
        <translation>Seed</translation>
    </message>
    <message>
        <source>Новый шум</source>
        <translation>New noise</translation>
    </message>
    <message>
        <source>Квантовать</source>
        <translation>Quantise</translation>
    </message>
    <message>
        <source>Разрядность, бит</source>
        <translation>Resolution, bits</translation>
    </message>
    <message>
        <source>Применить</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>ОСШ квантования: %1 (6,02·b + 1,76 = %2)</source>
        <translation>Quantisation SNR: %1 (6.02·b + 1.76 = %2)</translation>
    </message>
    <message>
        <source>(6,02·b + 1,76 = %1)</source>
        <translation>(6.02·b + 1.76 = %1)</translation>
    </message>
</context>
<context>
    <name>TSpAnForm</name>
    <message>
        <source>Модуль спектрального анализа</source>
        <translation>Spectrum analyser</translation>
    </message>
    <message>
        <source>Инициализация...</source>
        <translation>Initialising...</translation>
    </message>
    <message>
        <source>БПФ %1 точек...</source>
        <translation>FFT of %1 points...</translation>
    </message>
    <message>
        <source>ДПФ %1 точек...</source>
        <translation>DFT of %1 points...</translation>
    </message>
</context>
<context>
    <name>TSpAnTurnForm</name>
    <message>
        <source>Настройка модуля спектрального анализа</source>
        <translation>Spectrum analyser settings</translation>
    </message>
    <message>
        <source> Определение ширины спектра </source>
        <translation> Spectrum width </translation>
    </message>
    <message>
        <source>Амплитудный критерий</source>
        <translation>Amplitude criterion</translation>
    </message>
    <message>
        <source>Энергетический критерий</source>
        <translation>Energy criterion</translation>
    </message>
    <message>
        <source>Метод прямоугольника</source>
        <translation>Rectangle method</translation>
    </message>
    <message>
        <source>Уровень</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Доля энергии</source>
        <translation>Energy share</translation>
    </message>
    <message>
        <source> Оформление </source>
        <translation> Appearance </translation>
    </message>
    <message>
        <source>Включить индикацию хода выполения расчётов</source>
        <translation>Show calculation progress</translation>
    </message>
    <message>
        <source>Принять</source>
        <translation>Accept</translation>
    </message>
    <message>
        <source>По умолчанию</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>TurnSpAn: Недостаточно памяти.</source>
        <translation>TurnSpAn: Out of memory.</translation>
    </message>
</context>
<context>
    <name>TStepKeys</name>
    <message>
        <source>Увеличить N на 1</source>
        <translation>Increase N by 1</translation>
    </message>
    <message>
        <source>Уменьшить N на 1</source>
        <translation>Decrease N by 1</translation>
    </message>
    <message>
        <source>Увеличить N на 10</source>
        <translation>Increase N by 10</translation>
    </message>
    <message>
        <source>Уменьшить N на 10</source>
        <translation>Decrease N by 10</translation>
    </message>
    <message>
        <source>Предыдущий метод интерполяции</source>
        <translation>Previous interpolation method</translation>
    </message>
    <message>
        <source>Следующий метод интерполяции</source>
        <translation>Next interpolation method</translation>
    </message>
    <message>
        <source>Вернуть N = 2·Nmin</source>
        <translation>Reset N = 2·Nmin</translation>
    </message>
    <message>
        <source>Перебор параметров</source>
        <translation>Parameter stepping</translation>
    </message>
    <message>
        <source>Клавиши...</source>
        <translation>Keys...</translation>
    </message>
    <message>
        <source>Клавиши</source>
        <translation>Keys</translation>
    </message>
    <message>
        <source>Число отсчётов меняется клавишами, пока оно вводится.</source>
        <translation>The number of samples changes with these keys while it is being entered.</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>TTabEditorForm</name>
    <message>
        <source>Редактор таблиц</source>
        <translation>Table editor</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Обработать данные</source>
        <translation>Use the data</translation>
    </message>
    <message>
        <source>Открыть...</source>
        <translation>Open...</translation>
    </message>
    <message>
        <source>Сохранить...</source>
        <translation>Save...</translation>
    </message>
    <message>
        <source>Сохранить в формате Exel...</source>
        <translation>Save in Excel format...</translation>
    </message>
    <message>
        <source>Таблица</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Новая таблица</source>
        <translation>New table</translation>
    </message>
    <message>
        <source>Вставить столбец</source>
        <translation>Insert column</translation>
    </message>
    <message>
        <source>Удалить столбец</source>
        <translation>Delete column</translation>
    </message>
    <message>
        <source>Управление</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>Курсор</source>
        <translation>Cursor</translation>
    </message>
    <message>
        <source>Рамка</source>
        <translation>Block</translation>
    </message>
    <message>
        <source>Последовательный ввод</source>
        <translation>Sequential entry</translation>
    </message>
    <message>
        <source>Переход по &lt;Enter&gt;</source>
        <translation>Move on &lt;Enter&gt;</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Отменить последнее редактирование и закрыть окно</source>
        <translation>Undo the last edit and close the window</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Сохранить в формате Exel</source>
        <translation>Save in Excel format</translation>
    </message>
    <message>
        <source>Диаграмма</source>
        <translation>Diagram</translation>
    </message>
    <message>
        <source>Таблицы (*.tbl)|*.tbl</source>
        <translation>Tables (*.tbl)|*.tbl</translation>
    </message>
    <message>
        <source>Таблица.tbl</source>
        <translation>Table.tbl</translation>
    </message>
    <message>
        <source>Таблицы (*.tbl, *.inp)|*.tbl; *.inp|Таблицы (*.tbl)|*.tbl|Таблицы программы Resam (*.inp)|*.inp</source>
        <translation>Tables (*.tbl, *.inp)|*.tbl; *.inp|Tables (*.tbl)|*.tbl|Resam tables (*.inp)|*.inp</translation>
    </message>
    <message>
        <source>Сохранение в формате Microsoft Exel</source>
        <translation>Save in Microsoft Excel format</translation>
    </message>
    <message>
        <source>Книга Microsoft Exel (*.xls)|*.xls</source>
        <translation>Microsoft Excel workbook (*.xls)|*.xls</translation>
    </message>
</context>
<context>
    <name>TTermsView</name>
    <message>
        <source>Показывать слагаемые</source>
        <translation>Show terms</translation>
    </message>
    <message>
        <source>Показать вклад каждого отсчёта</source>
        <translation>Show the contribution of each sample</translation>
    </message>
    <message>
        <source>показаны %1 слагаемых из %2</source>
        <translation>showing %1 of %2 terms</translation>
    </message>
</context>
<context>
    <name>TYesNoDialogForm</name>
    <message>
        <source>Да</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Не показывать больше это сообщение</source>
        <translation>Do not show this message again</translation>
    </message>
    <message>
        <source>YesNoDialog: Недостаточно памяти.</source>
        <translation>YesNoDialog: Out of memory.</translation>
    </message>
</context>
<context>
    <name>TableFile</name>
    <message>
        <source>Файл %1 не содержит ни одного значения (нужно 8 байт на значение). Таблица не изменена.</source>
        <translation>File %1 holds no value (8 bytes per value are needed). The table is unchanged.</translation>
    </message>
    <message>
        <source>Файл %1 содержит больше %2 значений; загружены первые %2.</source>
        <translation>File %1 holds more than %2 values; the first %2 were loaded.</translation>
    </message>
    <message>
        <source>Длина файла %1 не кратна 8 байтам; неполное последнее значение пропущено.</source>
        <translation>The length of file %1 is not a multiple of 8 bytes; the incomplete last value was skipped.</translation>
    </message>
    <message>
        <source>Значений, не являющихся числами или бесконечных: %1; они заменены нулями.</source>
        <translation>Values that are not numbers or are infinite: %1; they were replaced by zeros.</translation>
    </message>
</context>
</TS>
