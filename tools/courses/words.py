"""The word bank the course generator draws its word drills from.

Plain everyday English words in lower case, gathered by hand for this
project. The generator picks, for each lesson, the words that use only the
keys learned so far and favours those with the lesson's new keys.
"""

BANK = """
a as ad add adds all alas ask asks dad dads fad fads fall falls flask flasks lad lads
lass sad salad salads sass alfalfa

he she shed sheds had has hash head heads heal heals heed heeds hell held half halls
sash shade shades shake shakes shall shell shells flesh fresh dash dashes flash
lash leash hassle sheaf sheep eel eels fed fee fees feed feeds feel feels
jade lake lakes leak leaks lease led leaf less else ease easel sea seas seal seals
see seed seeds seek seeks self sell sells sled sleds desk desks deal deals dead
deed deeds fade fades fake fakes flake flakes jell keel keels kale ash ahead
ale ales hale hall halls haste lashed dashed hashed sake sales safe safes slash

the to too toe toes tot tots hot hat hats that those tote shot shoe shoes shot
so do doe does dose dot dots dole doll dolls old odd fold folds hold holds
told sold tall toll tolls told stood stool stools tool tools toast toasts taste
tease test tests set sets settle settled sat seat seats eat eats east feast
feet fleet sleet sheet sheets street? jolt jolts fast flat flats float floats
oat oats oak oaks load loads lot lots slot slots host hosts lost loss look
looks took hook hooks shook foot foods food soft loft lofts tooth teeth kettle
kettles total totals heat heats the those these tall tale tales stale state
stake steak steal steel tease dole sheet fat hate hates shoe joke jokes
hotel hotels taste tasted jot jots lead dotted ate

it its is if his hit hits hide hides her hers here hair hairs fire fires first
third there their tire tired rise rises rose roses risk risks rest rests rat
rats sort sorts shirt shirts skirt skirts skill skills hill hills fill fills
kid kids lid lids tide tides ride rides drift dirt dirt riot role roles rod
rods roof roofs room? rail rails raise raised read reads ready? trail trails
trial trials treat treats tree trees three three free fried dried drier fair
fairs fare far farther father? tiresome stir stirs stride sir tie ties lie lies
die dies dial dials ideal idea ideas idle aside side sides slide slides
dish dishes fish fishes wish? rich? tries trio fork forks lord odor order orders
store stores story? start starts shore shores horse horses rider riders after
afar dare dared desert desire hired heard hero heroes ore

and an in on no not nod note notes none nine net nets ten tens tent tents
den dens end ends send sends lend lends tend tends hand hands land lands
sand sands stand stands think? thin tin ton tone tones stone stones tune tunes
under us use used user fun fund funds fur run runs sun sunk sunken unit units
until untold unfold unless sound sounds round rounds found ground? hound
hunt hunts hut huts nut nuts tuna turn turns return returns runner dune dunes
nurse nurses noun nouns shun stun stunt stunts hunter dinner inner inn
rain rains train trains drain drains stain stains saint dial noon soon
north snore onion onions lion lions tonight? shine shines ship? union unions
tour tours outer out outside south sour stout shout shouts nose noses
dense tense nest nests rent rents lent sunlit fluent ruin ruins

can cane cat cats cot cots cut cuts cure cured coast coat coats cook cooks
cool cold cord cost costs core cake cakes call calls case cases cash cause
chain chair chairs chat chest chick chin chore circle circus cite city? clean
clear clerk close cloud clouds coach coin coins collect colt cone cones
corner count counts crate crates crash credit crisp crust cut decide desk
dance dances face faces fact facts force forces ice iced once nice niece
rice race races since slice slices success teach teacher scarf scent scene
school? scoot scout secret section select the act acts actor each reach
rich inch itch catch latch hatch ditch torch touch such much? accent

go goes god gone good gold golf goat goats game games gate gates get gets
grain grand grant grass great green grin grit ground grow? gust gut
hug hugs huge jog jogs leg legs log logs long longer sing song songs
song tag tags sign signs dog dogs dig digs fig figs fog gift gifts girl
gather ginger glad glass glue goal goose grade grade grace grape grasp
made make makes male man men mat mate mats meal meals mean means meat
meet melt mend menu mind mine miss mist mode mole moon more most mother
mud muse music must name names some same seem home homes time times team
teams term terms them theme then tom arm arms farm farms form forms from
harm hammer summer common moment mountain magic image small smart smile
storm storms dream dreams mark market gem gems gum game item items

we wet web wed went west what when where while white who whole whom why
wide wife wild will win wind window wine wing wings winter wire wise wish
with wood woods wool word words work works world worm worn wow write
yard yards yarn year years yes yet yellow you young your yours stay stays
way ways day days say says may lay lays ray rays toy toys boy? dry try
eye eyes key keys any many money honey early lately story sky shy
snowy stormy windy sunny funny happy? tidy daily yearly slowly newly
awake away swim sweet sweat sweater swing sway town towns down gown own
owner show shows slow snow know known new news few dew sew row rows
grow grown throw thrown flow flower tower power? wagon water waiter

pan pans pen pens pin pins pit pits pot pots put puts pull pulls push
page pages paint paints pair pairs palm paper park parks part parts pass
past path paths peach pear pears people pick picks piece pile pilot pink
pipe plan plans plane plant plants plate play plays please plot plum poem
poet point pond pool poor post press price print prize proud pump pupil
purse puppy shop shops ship ships step steps stop stops top tops trip trips
up upon open opens spot spots spin spring
ball balls band bank bark barn base bat bath beach bean beans bear bed
bee been bell belt bench best bike bird birds bit bite black blue boat
boats body bold bone book books born both bowl box? brain bread break brick
bridge bright bring broad brown brush build built bush busy but butter buy
cab club crab grab habit label lamb limb orbit robin rub tub tube web

van vase vast vest vet view village vine visit voice vote
cave caves dive drive drives even ever every five four? give given gives
gravel grave have hive live lives love loved move moved never novel oven over
river rivers save saved seven shave silver solve stove travel valley wave waves
fox box boxes mix mixed six sixty tax taxi text texts wax next exit exact
extra expert index relax flex lax

quiet quite quit quick quickly queen quest question quiz quilt quote square
squad squash squirrel equal aqua liquid unique request
zero zone zoo zip zinc zest zebra lazy hazy dizzy fizz fuzz jazz buzz
breeze freeze frozen prize size maze gaze doze dozen puzzle pizza blaze
wizard bronze ozone razor
""".replace("?", " ")


def all_words():
    seen = set()
    out = []
    for w in BANK.split():
        w = w.strip().lower()
        if w and w.isalpha() and w not in seen:
            seen.add(w)
            out.append(w)
    return out
